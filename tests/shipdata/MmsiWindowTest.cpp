#include "tests/shipdata/WindowFixture.h"

#include <QPushButton>

namespace {

const QString LengthWarning =
    Warning(QStringLiteral("MMSIの桁数が間違っています。\r\nMMSIの桁数は９桁です。"));
const QString RangeWarning = Warning(
    QStringLiteral("MMSIの値が範囲外です。\r\nMMSIの範囲は、200000000 から 799999999 です。"));
const QString FirstConfirmation = Question(QStringLiteral(
    "設定するMSIは正しいですか?\r\n一度MMSIの設定すると消去できません。\r\nよろしいですか?"));
QString SecondConfirmation(const char* mmsi) {
    return Question(QStringLiteral("MMSIを %1 で設定します。\r\n本当によろしいですか?")
                        .arg(QString::fromLatin1(mmsi)));
}
const QString SetNotice = Information(QStringLiteral("MMSIを設定しました。"));

// The Enter key presses the default button.
int PressDefault(const MessageDlgRequest& request) {
    return request.defaultButton == mbNo ? mrNo : request.defaultButton == mbYes ? mrYes : mrOk;
}

using MmsiSet = ShipDataWindow;

TEST_F(MmsiSet, ChecksAndConfirmsBeforeItSends) {
    const struct {
        const char* mmsi;
        std::vector<int> answers;
        QStringList dialogs;
        QByteArray sent;
    } cases[] = {
        {"20000000", {}, {LengthWarning}, ""},
        {"2000000000", {}, {LengthWarning}, ""},
        {"", {}, {LengthWarning}, ""},
        {"199999999", {}, {RangeWarning}, ""},
        {"800000000", {}, {RangeWarning}, ""},
        {"020000000", {}, {RangeWarning}, ""},
        {"200000000", {mrNo}, {FirstConfirmation}, ""},
        {"200000000", {mrNone}, {FirstConfirmation}, ""},
        {"200000000", {mrYes, mrNo}, {FirstConfirmation, SecondConfirmation("200000000")}, ""},
        {"200000000", {mrYes, mrNone}, {FirstConfirmation, SecondConfirmation("200000000")}, ""},
        {"200000000",
         {mrYes, mrYes},
         {FirstConfirmation, SecondConfirmation("200000000"), SetNotice},
         "$PSMT,0,0,0,0,set_mmsi 200000000,0*1F\r\n" + Queries},
        {"799999999",
         {mrYes, mrYes},
         {FirstConfirmation, SecondConfirmation("799999999"), SetNotice},
         "$PSMT,0,0,0,0,set_mmsi 799999999,0*1A\r\n" + Queries},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mmsi);
        dialogs.clear();
        port->written.clear();
        form.Edit111->setEnabled(true);
        form.Button111->setEnabled(true);
        form.Edit111->setText(QString::fromLatin1(c.mmsi));
        AnswerInTurn(c.answers);
        form.Button111->click();
        EXPECT_EQ(dialogs, c.dialogs);
        EXPECT_EQ(port->written, c.sent);
        const bool sent = !c.sent.isEmpty();
        EXPECT_EQ(form.Edit111->isEnabled(), !sent);
        EXPECT_EQ(form.Button111->isEnabled(), !sent);
        EXPECT_EQ(form.Edit111->text(), QString::fromLatin1(c.mmsi));
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MmsiSet, EnterOnEitherConfirmationSendsNothing) {
    for (int enterAt : {0, 1}) {
        SCOPED_TRACE(enterAt);
        dialogs.clear();
        form.Edit111->setText(QStringLiteral("431000001"));
        answer = [this, enterAt](const MessageDlgRequest& request) {
            return dialogs.size() - 1 == enterAt ? PressDefault(request) : int{mrYes};
        };
        form.Button111->click();
        EXPECT_EQ(dialogs.size(), enterAt + 1);
        EXPECT_TRUE(port->written.isEmpty());
        EXPECT_TRUE(form.Button111->isEnabled());
    }
}

TEST_F(MmsiSet, NineCharactersThatAreNotAllDigitsGetTheConversionError) {
    for (const char* mmsi : {" 20000000", "+20000000", "$0BEBC200", "20000000A"}) {
        SCOPED_TRACE(mmsi);
        errors.clear();
        form.Edit111->setText(QString::fromLatin1(mmsi));
        AnswerInTurn({mrYes, mrYes});
        form.Button111->click();
        EXPECT_EQ(errors, QStringList{QStringLiteral("'%1' is not a valid integer value.")
                                          .arg(QString::fromLatin1(mmsi))});
        EXPECT_TRUE(dialogs.isEmpty());
        EXPECT_TRUE(port->written.isEmpty());
        EXPECT_TRUE(form.Edit111->isEnabled());
    }
}

TEST_F(MmsiSet, LocksTheBoxBeforeTheNoticeAndReadsBackAfterIt) {
    form.Edit111->setText(QStringLiteral("431000001"));
    bool lockedAtNotice = false;
    QByteArray sentAtNotice;
    answer = [&](const MessageDlgRequest& request) {
        if (request.type == TMsgDlgType::mtInformation) {
            lockedAtNotice = !form.Edit111->isEnabled() && !form.Button111->isEnabled();
            sentAtNotice = port->written;
        }
        return int{mrYes};
    };
    form.Button111->click();
    EXPECT_TRUE(lockedAtNotice);
    EXPECT_EQ(sentAtNotice, "$PSMT,0,0,0,0,set_mmsi 431000001,0*1A\r\n");
    EXPECT_EQ(port->written, sentAtNotice + Queries);
}

TEST_F(MmsiSet, AReplyDuringTheSecondConfirmationDoesNotChangeWhatIsSent) {
    form.Edit111->setText(QStringLiteral("200000000"));
    answer = [this](const MessageDlgRequest&) {
        if (dialogs.size() == 2) {
            Receive("$AISMM,0,0,300000000*00");
        }
        return int{mrYes};
    };
    form.Button111->click();
    EXPECT_EQ(dialogs.value(1), SecondConfirmation("200000000"));
    EXPECT_EQ(port->written, "$PSMT,0,0,0,0,set_mmsi 200000000,0*1F\r\n" + Queries);
    EXPECT_EQ(form.Edit111->text(), QStringLiteral("300000000"));
}

TEST_F(MmsiSet, AFailedWriteLeavesTheBoxOpenAndShowsTheErrorAlone) {
    form.Edit111->setText(QStringLiteral("431000001"));
    port->writesBeforeFailure = 0;
    AnswerInTurn({mrYes, mrYes});
    form.Button111->click();
    EXPECT_EQ(errors, QStringList{QStringLiteral("WriteFile function failed (Error: 5)")});
    EXPECT_EQ(dialogs.size(), 2);
    EXPECT_TRUE(form.Edit111->isEnabled());
    EXPECT_TRUE(form.Button111->isEnabled());
}

} // namespace
