#include "tests/app/MainWindowFixture.h"

#include "platform/ErrorBox.h"
#include "platform/MessageDlg.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

MainWindowTest::MainWindowTest()
    : port(new FakeComPort),
      form(std::unique_ptr<TComPort>(port)), controls_{
                                                 {QStringLiteral("Image1"), form.Image1},
                                                 {QStringLiteral("Panel1"), form.Panel1},
                                                 {QStringLiteral("GroupBox11"), form.GroupBox11},
                                                 {QStringLiteral("Label111"), form.Label111},
                                                 {QStringLiteral("Edit111"), form.Edit111},
                                                 {QStringLiteral("Button111"), form.Button111},
                                                 {QStringLiteral("GroupBox12"), form.GroupBox12},
                                                 {QStringLiteral("Label121"), form.Label121},
                                                 {QStringLiteral("Edit121"), form.Edit121},
                                                 {QStringLiteral("Label122"), form.Label122},
                                                 {QStringLiteral("Edit122"), form.Edit122},
                                                 {QStringLiteral("Label123"), form.Label123},
                                                 {QStringLiteral("ComboBox123"), form.ComboBox123},
                                                 {QStringLiteral("Label131"), form.Label131},
                                                 {QStringLiteral("Edit131"), form.Edit131},
                                                 {QStringLiteral("Label132"), form.Label132},
                                                 {QStringLiteral("Edit132"), form.Edit132},
                                                 {QStringLiteral("Label133"), form.Label133},
                                                 {QStringLiteral("Edit133"), form.Edit133},
                                                 {QStringLiteral("Label134"), form.Label134},
                                                 {QStringLiteral("Edit134"), form.Edit134},
                                                 {QStringLiteral("Image13"), form.Image13},
                                                 {QStringLiteral("Label135"), form.Label135},
                                                 {QStringLiteral("Button122"), form.Button122},
                                                 {QStringLiteral("Button123"), form.Button123},
                                                 {QStringLiteral("Button121"), form.Button121},
                                                 {QStringLiteral("Panel2"), form.Panel2},
                                                 {QStringLiteral("Label1"), form.Label1},
                                                 {QStringLiteral("ComboBox1"), form.ComboBox1},
                                                 {QStringLiteral("Label2"), form.Label2},
                                                 {QStringLiteral("ComboBox2"), form.ComboBox2},
                                                 {QStringLiteral("Button1"), form.Button1}} {
    SetMessageDlgResponder([this](const MessageDlgRequest& request) {
        dialogs << request.text;
        return int(mrNo);
    });
    SetErrorBoxSink([this](const QString& text) { errors << text; });
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
}

MainWindowTest::~MainWindowTest() {
    SetMessageDlgResponder({});
    SetErrorBoxSink({});
}

QWidget* MainWindowTest::Control(const QString& name) const {
    for (const auto& [controlName, widget] : controls_) {
        if (controlName == name)
            return widget;
    }
    ADD_FAILURE() << "no control " << name.toStdString();
    return nullptr;
}

QStringList MainWindowTest::ControlNames() const {
    QStringList names;
    for (const auto& control : controls_)
        names << control.first;
    return names;
}

QString MainWindowTest::FocusName() const {
    for (const auto& [name, widget] : controls_) {
        if (widget == QApplication::focusWidget())
            return name;
    }
    return QStringLiteral("none");
}

void MainWindowTest::EnableSetAndReadButtons() {
    for (QPushButton* button : {form.Button111, form.Button121, form.Button123})
        button->setEnabled(true);
}
