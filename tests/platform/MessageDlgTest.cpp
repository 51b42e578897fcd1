#include "platform/MessageDlg.h"

#include "tests/support/QStringPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace {
struct DialogForm {
    const char* name;
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    TMsgDlgBtn defaultButton;
    QString title;
    QMessageBox::Icon icon;
    QStringList captions;
    QString defaultCaption;
};

// The three forms the program shows.
const DialogForm dialogForms[] = {
    {"WarningOk",
     TMsgDlgType::mtWarning,
     mbOK,
     mbOK,
     QStringLiteral("Warning"),
     QMessageBox::Warning,
     {QStringLiteral("OK")},
     QStringLiteral("OK")},
    {"WarningYesNo",
     TMsgDlgType::mtWarning,
     mbYes | mbNo,
     mbNo,
     QStringLiteral("Warning"),
     QMessageBox::Warning,
     {QStringLiteral("&Yes"), QStringLiteral("&No")},
     QStringLiteral("&No")},
    {"InformationOk",
     TMsgDlgType::mtInformation,
     mbOK,
     mbOK,
     QStringLiteral("Information"),
     QMessageBox::Information,
     {QStringLiteral("OK")},
     QStringLiteral("OK")},
};

std::string formName(const testing::TestParamInfo<DialogForm>& info) {
    return info.param.name;
}

class MessageDlgSeamTest : public testing::TestWithParam<DialogForm> {
protected:
    void TearDown() override { SetMessageDlgResponder({}); }
};

TEST_P(MessageDlgSeamTest, ResponderReceivesTheRequestAndAnswersIt) {
    std::optional<MessageDlgRequest> asked;
    SetMessageDlgResponder([&](const MessageDlgRequest& request) {
        asked = request;
        return int(mrNo);
    });
    const DialogForm& form = GetParam();
    EXPECT_EQ(MessageDlg(QStringLiteral("text"), form.type, form.buttons, 0, form.defaultButton),
              mrNo);
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->text, QStringLiteral("text"));
    EXPECT_EQ(asked->type, form.type);
    EXPECT_EQ(asked->buttons, form.buttons);
    EXPECT_EQ(asked->defaultButton, form.defaultButton);
}

INSTANTIATE_TEST_SUITE_P(Forms, MessageDlgSeamTest, testing::ValuesIn(dialogForms), formName);

QMessageBox* openMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Shows the real dialog and hands it to act once it is open; act must close it.
int showDialog(const DialogForm& form, const std::function<void(QMessageBox&)>& act,
               const QString& text = QStringLiteral("text")) {
    QTimer::singleShot(0, [&] {
        QMessageBox* box = openMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), box);
        act(*box);
    });
    return MessageDlg(text, form.type, form.buttons, 0, form.defaultButton);
}

QStringList captionsLeftToRight(QMessageBox& box) {
    QList<QAbstractButton*> buttons = box.buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    QStringList captions;
    for (QAbstractButton* button : buttons)
        captions << button->text();
    return captions;
}

class MessageDlgShownTest : public testing::TestWithParam<DialogForm> {};

TEST_P(MessageDlgShownTest, ShowsKindTitleIconButtonsAndFocusedDefault) {
    const DialogForm& form = GetParam();
    showDialog(form, [&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), form.title);
        EXPECT_EQ(box.icon(), form.icon);
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(captionsLeftToRight(box), form.captions);
        ASSERT_NE(box.defaultButton(), nullptr);
        EXPECT_EQ(box.defaultButton()->text(), form.defaultCaption);
        EXPECT_EQ(box.focusWidget(), static_cast<QWidget*>(box.defaultButton()));
        box.defaultButton()->click();
    });
}

TEST_P(MessageDlgShownTest, EscapeDoesNotAnswerYes) {
    const int result =
        showDialog(GetParam(), [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_NE(result, mrYes);
}

TEST_P(MessageDlgShownTest, ClosingDoesNotAnswerYes) {
    const int result = showDialog(GetParam(), [](QMessageBox& box) { box.close(); });
    EXPECT_NE(result, mrYes);
}

TEST_P(MessageDlgShownTest, EnterPressesTheDefaultButton) {
    const DialogForm& form = GetParam();
    const int result = showDialog(
        form, [](QMessageBox& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Return); });
    EXPECT_EQ(result, form.defaultButton == mbNo ? mrNo : mrOk);
}

INSTANTIATE_TEST_SUITE_P(Forms, MessageDlgShownTest, testing::ValuesIn(dialogForms), formName);

TEST(MessageDlgShown, YesReturnsYes) {
    const int result =
        showDialog(dialogForms[1], [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(result, mrYes);
}

TEST(MessageDlgShown, TextLinesJoinedByCrLfAreShownAsLines) {
    showDialog(
        dialogForms[0],
        [](QMessageBox& box) {
            EXPECT_EQ(box.text(), QStringLiteral("first\nsecond"));
            box.defaultButton()->click();
        },
        QStringLiteral("first\r\nsecond"));
}
} // namespace
