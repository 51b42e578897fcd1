#pragma once

#include "app/Form1.h"
#include "tests/support/FakeComPort.h"
#include "tests/support/QStringPrinter.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <gtest/gtest.h>

// The window as the program starts it, shown and active, on a stand-in port.
// Dialogs and error boxes are recorded instead of shown (each dialog answered No).
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Every control of the layout by its name.
    QWidget* Control(const QString& name) const;
    QStringList ControlNames() const;
    // The name of the control that has the keyboard focus, or "none".
    QString FocusName() const;
    // The Set and Read buttons enabled, as at the end of a connect.
    void EnableSetAndReadButtons();

    FakeComPort* port;
    TForm1 form;
    QStringList dialogs;
    QStringList errors;

private:
    QList<QPair<QString, QWidget*>> controls_;
};
