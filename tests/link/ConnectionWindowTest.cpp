#include "codec/LineAssembler.h"
#include "codec/SequenceCounter.h"
#include "tests/link/LinkWindow.h"
#include "tests/support/FakeComPort.h"
#include "tests/support/QStringPrinter.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

const QString UnitItem = QStringLiteral("Simulated AIS unit (ttySIM0)");

// The window on a stand-in port, with waits on a virtual clock.
class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() : port(new FakeComPort), window(std::unique_ptr<TComPort>(port)) {
        window.ChoosePort(UnitItem);
    }

    QStringList SetAndReadButtonsEnabled() const {
        QStringList enabled;
        for (QPushButton* button : {form.Button111, form.Button121, form.Button123}) {
            if (button->isEnabled())
                enabled << button->text();
        }
        return enabled;
    }
    void Click() { form.Button1->click(); }

    VirtualClock clock;
    FakeComPort* port;
    LinkWindow window;
    TForm1& form = window.form;
};

TEST_F(ConnectionTest, ConnectProbesTheLineThenOpensItAndSendsTheStartUpTraffic) {
    const int32_t before = SqId;
    Click();
    const QStringList opening{QStringLiteral("Open ttySIM0 1200"),
                              QStringLiteral("Close"),
                              QStringLiteral("Open ttySIM0 38400"),
                              QStringLiteral("Close"),
                              QStringLiteral("Open ttySIM0 38400"),
                              QStringLiteral("DTR"),
                              QStringLiteral("RTS")};
    EXPECT_EQ(port->log.mid(0, 7), opening);
    EXPECT_EQ(port->log.size(), 7 + 11);
    EXPECT_EQ(port->written, ConnectTraffic(before));
    EXPECT_EQ(SqId, before + 11);
    EXPECT_EQ(clock.now, 1000u + 3 * 51); // three waits of 50 ms, nothing else waited
    EXPECT_TRUE(port->Connected());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(SetAndReadButtonsEnabled().size(), 3);
    EXPECT_TRUE(window.errors.isEmpty());
    const TComPortSettings& settings = port->Settings();
    EXPECT_EQ(settings.DataBits, 8);
    EXPECT_EQ(settings.Parity, TParityBits::prNone);
    EXPECT_EQ(settings.StopBits, TStopBits::sbOneStopBit);
    EXPECT_FALSE(settings.XonXoffOut);
    EXPECT_EQ(settings.ReadTotalConstant, 1000);
}

class BaudRateListTest : public ConnectionTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(BaudRateListTest, HasNoEffectOnTheLine) {
    form.ComboBox2->setEditText(QString::fromUtf8(GetParam()));
    Click();
    EXPECT_TRUE(window.errors.isEmpty());
    EXPECT_EQ(
        port->log.filter(QStringLiteral("Open")),
        QStringList({QStringLiteral("Open ttySIM0 1200"), QStringLiteral("Open ttySIM0 38400"),
                     QStringLiteral("Open ttySIM0 38400")}));
}

INSTANTIATE_TEST_SUITE_P(Texts, BaudRateListTest,
                         ::testing::Values("4800", "115200", "38400", "fast", "", "-1"));

// The box adds no full stop after ")", whose code lies below that of ".".
TEST_F(ConnectionTest, WithoutAChosenPortShowsTheOpenErrorAndChangesNothing) {
    form.ComboBox1->clear();
    Click();
    EXPECT_EQ(window.errors, QStringList{QStringLiteral("Unable to open com port (Error: 2)")});
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Connect"));
    EXPECT_FALSE(port->Connected());
    EXPECT_TRUE(port->log.isEmpty());
    EXPECT_TRUE(SetAndReadButtonsEnabled().isEmpty());
}

TEST_F(ConnectionTest, AFailedWriteLeavesThePortOpenAndTheButtonsDisabled) {
    const int32_t before = SqId;
    port->writesBeforeFailure = 2;
    Click();
    EXPECT_EQ(window.errors, QStringList{QStringLiteral("WriteFile function failed (Error: 5)")});
    EXPECT_EQ(SqId, before + 2);
    EXPECT_TRUE(port->Connected());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_TRUE(SetAndReadButtonsEnabled().isEmpty());
    Click();
    EXPECT_FALSE(port->Connected());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Connect"));
}

TEST_F(ConnectionTest, DisconnectClosesAndClearsTheShipData) {
    Click();
    for (TEdit* box : {form.Edit111, form.Edit121, form.Edit122, form.Edit131, form.Edit132,
                       form.Edit133, form.Edit134})
        box->setText(QStringLiteral("7"));
    form.Edit111->setEnabled(false);
    form.ComboBox123->setCurrentIndex(0);
    const int32_t before = SqId;
    port->log.clear();
    Click();
    EXPECT_EQ(port->log, QStringList{QStringLiteral("Close")});
    EXPECT_EQ(SqId, before);
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Connect"));
    EXPECT_TRUE(form.Edit111->isEnabled());
    for (TEdit* box : {form.Edit111, form.Edit121, form.Edit122, form.Edit131, form.Edit132,
                       form.Edit133, form.Edit134})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(form.ComboBox123->currentIndex(), 7);
    EXPECT_TRUE(SetAndReadButtonsEnabled().isEmpty());
    EXPECT_TRUE(form.Button122->isEnabled());
    EXPECT_EQ(form.ComboBox1->count(), 1);
    EXPECT_EQ(form.ComboBox1->currentText(), UnitItem);
}

TEST_F(ConnectionTest, ConnectAgainGoesOnWithTheCounter) {
    const int32_t before = SqId;
    Click();
    Click();
    port->written.clear();
    Click();
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(port->written, ConnectTraffic(before + 11));
}

TEST_F(ConnectionTest, AConnectClickedInsideTheFirstWaitRunsInsideIt) {
    const int32_t before = SqId;
    clock.onSleep = [&] {
        if (clock.sleeps == 1)
            LinkWindow::ClickSoon(form.Button1);
    };
    Click();
    EXPECT_TRUE(window.errors.isEmpty());
    EXPECT_TRUE(port->Connected());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(SetAndReadButtonsEnabled().size(), 3);
    // The inner connect ran whole; the outer one then probed, reopened and sent again.
    EXPECT_EQ(port->written, ConnectTraffic(before) + ConnectTraffic(before + 11));
    EXPECT_EQ(port->log.mid(0, 2),
              QStringList({QStringLiteral("Open ttySIM0 1200"), QStringLiteral("Close")}));
}

TEST_F(ConnectionTest, ADisconnectClickedInsideADrainWaitEndsTheConnect) {
    port->drainPolls = 1;
    bool clicked = false;
    port->onDrainPoll = [&] {
        if (!clicked)
            LinkWindow::ClickSoon(form.Button1);
        clicked = true;
    };
    Click();
    EXPECT_EQ(window.errors, QStringList{QStringLiteral("Port Not Open.")});
    EXPECT_FALSE(port->Connected());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Connect"));
    EXPECT_TRUE(SetAndReadButtonsEnabled().isEmpty());
    window.errors.clear();
    Click();
    EXPECT_TRUE(port->Connected());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_TRUE(window.errors.isEmpty());
}

TEST_F(ConnectionTest, ClosingTheWindowInsideAWaitLetsTheConnectRunToItsEnd) {
    form.show();
    clock.onSleep = [&] {
        if (clock.sleeps == 1)
            QMetaObject::invokeMethod(
                &form, [&] { form.close(); }, Qt::QueuedConnection);
    };
    const int32_t before = SqId;
    Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(port->written, ConnectTraffic(before));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
}

TEST_F(ConnectionTest, RepliesArrivingInsideTheWaitsAreDecodedThere) {
    port->drainPolls = 1;
    port->onDrainPoll = [&] {
        if (port->written.endsWith("$U0AIQ,SSD*54\r\n"))
            port->Receive("$AISSD,ABC1234,TEST SHIP@@@@@@@@@@@,010,5,2,3,0,AI*41\r\n");
    };
    Click();
    EXPECT_EQ(form.Edit121->text(), QStringLiteral("ABC1234"));
    EXPECT_EQ(form.Edit131->text(), QStringLiteral("10"));
}

// The receive handler on deliveries the test cuts exactly.
class ReceiveTest : public ConnectionTest {
protected:
    ReceiveTest() { port->Open(); }
};

const QByteArray StaticData = "$AISSD,ABC1234,TEST SHIP@@@@@@@@@@@,010,5,2,3,0,AI*41\r\n";
const QByteArray VoyageData = "$AIVSD,30,0.0,0,@@@@@@@@@@@@@@@@@@@@,000000,00,00,00,00*4E\r\n";

TEST_F(ReceiveTest, AReplySplitOverTwoDeliveriesIsDecodedOnceItsLineEnds) {
    const QByteArray first = StaticData.left(20);
    port->Receive(first);
    EXPECT_EQ(ReceiveData, QString::fromLatin1(first));
    EXPECT_TRUE(form.Edit121->text().isEmpty());
    port->Receive(StaticData.mid(20));
    EXPECT_EQ(form.Edit121->text(), QStringLiteral("ABC1234"));
    EXPECT_EQ(form.Edit134->text(), QStringLiteral("3"));
    EXPECT_TRUE(ReceiveData.isEmpty());
}

TEST_F(ReceiveTest, TwoRepliesInOneDeliveryAreBothDecoded) {
    port->Receive(StaticData + VoyageData);
    EXPECT_EQ(form.Edit122->text(), QStringLiteral("TEST SHIP"));
    EXPECT_EQ(form.ComboBox123->currentIndex(), 0);
}

TEST_F(ReceiveTest, AReplyThatCannotBeDecodedEndsOnlyItself) {
    form.Edit131->setText(QStringLiteral("old"));
    port->Receive("$AISSD,CALL,NAME,X,5,2,3,0,AI*00\r\n" + VoyageData + "$AISMM,,,200000000*00");
    EXPECT_EQ(form.Edit121->text(), QStringLiteral("CALL"));
    EXPECT_EQ(form.Edit131->text(), QStringLiteral("old"));
    EXPECT_EQ(form.ComboBox123->currentIndex(), 0);
    EXPECT_EQ(ReceiveData, QStringLiteral("$AISMM,,,200000000*00"));
}

TEST_F(ReceiveTest, EachLineFeedPausesOneMillisecond) {
    port->Receive("\n\n\r\n");
    EXPECT_EQ(clock.sleeps, 3);
    EXPECT_TRUE(ReceiveData.isEmpty());
}

TEST_F(ReceiveTest, AFailedReadEndsTheDeliverySilently) {
    port->Close();
    EXPECT_NO_THROW(form.ComPort1RxChar(nullptr, 5));
    port->Open();
    port->Receive(StaticData);
    EXPECT_EQ(form.Edit121->text(), QStringLiteral("ABC1234"));
    EXPECT_TRUE(window.errors.isEmpty());
}

} // namespace
