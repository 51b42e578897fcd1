#include "app/Form1.h"
#include "platform/MessageDlg.h"
#include "tests/support/PtyPeer.h"

#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray Queries = "$U0AIQ,SMM*43\r\n$U0AIQ,SSD*54\r\n$U0AIQ,VSD*51\r\n";

// The window on a real serial line whose far end is a pseudo-terminal; every
// dialog is answered Yes.
class ShipDataLine : public testing::Test {
protected:
    ShipDataLine() {
        TComPortSettings settings = form.ComPort1->Settings();
        settings.Port = peer.DevicePath();
        settings.BaudRate = 38400;
        form.ComPort1->SetSettings(settings);
        form.ComPort1->Open();
        for (QPushButton* button : {form.Button111, form.Button121, form.Button123}) {
            button->setEnabled(true);
        }
        SetMessageDlgResponder([](const MessageDlgRequest&) { return int{mrYes}; });
    }
    ~ShipDataLine() override { SetMessageDlgResponder(nullptr); }

    PtyPeer peer;
    TForm1 form;
};

TEST_F(ShipDataLine, SetButtonsPutTheirSentencesAndTheQueriesOnTheLine) {
    const struct {
        const char* name;
        std::function<void(TForm1&)> click;
        QByteArray sent;
    } cases[] = {
        {"MMSI",
         [](TForm1& form) {
             form.Edit111->setText(QStringLiteral("200000000"));
             form.Button111->click();
         },
         "$PSMT,0,0,0,0,set_mmsi 200000000,0*1F\r\n"},
        {"ship data, boxes empty, no row", [](TForm1& form) { form.Button121->click(); },
         "$U0SSD,,,0,0,0,0,,AI*29\r\n$U0VSD,,,,,,,,,*08\r\n"},
        {"ship data, boxes empty, row 7",
         [](TForm1& form) {
             form.ComboBox123->setCurrentIndex(7);
             form.Button121->click();
         },
         "$U0SSD,,,0,0,0,0,,AI*29\r\n$U0VSD,37,,,,,,,,*0C\r\n"},
        {"read data", [](TForm1& form) { form.Button123->click(); }, Queries},
    };
    qsizetype before = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form.DataClearSub();
        form.ComboBox123->setCurrentIndex(-1);
        c.click(form);
        const QByteArray expected = c.sent + Queries;
        ASSERT_TRUE(peer.WaitForReceived(before + expected.size()));
        EXPECT_EQ(peer.Received().mid(before), expected);
        before = peer.Received().size();
    }
}

} // namespace
