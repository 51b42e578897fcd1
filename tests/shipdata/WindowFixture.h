#pragma once

#include "app/Form1.h"
#include "platform/MessageDlg.h"
#include "tests/support/FakeComPort.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

// A dialog as the tests compare it: kind, buttons, default button and text.
QString Warning(const QString& text);
QString Question(const QString& text);
QString Information(const QString& text);

inline const QByteArray Queries = "$U0AIQ,SMM*43\r\n$U0AIQ,SSD*54\r\n$U0AIQ,VSD*51\r\n";

// The window on a connected stand-in port with its Set and Read buttons enabled.
// Dialogs and error boxes are recorded; each dialog is answered by `answer`.
class ShipDataWindow : public testing::Test {
protected:
    ShipDataWindow();
    ~ShipDataWindow() override;

    // Answers the dialogs in turn from `results`; OK for any beyond them.
    void AnswerInTurn(std::vector<int> results);
    // Delivers the bytes of one line, CR LF added, as the line would.
    void Receive(const QByteArray& line);

    FakeComPort* port;
    TForm1 form;
    QStringList dialogs;
    QStringList errors;
    std::function<int(const MessageDlgRequest&)> answer;
};
