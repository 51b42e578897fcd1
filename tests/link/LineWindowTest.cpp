#include "codec/LineAssembler.h"
#include "platform/Clock.h"
#include "platform/SerialComPort.h"
#include "tests/link/LinkWindow.h"
#include "tests/support/PtyPeer.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/SimulatedUnitFolderScope.h"

#include <QPushButton>
#include <QThread>

namespace {

const QString UnitItem = QStringLiteral("Simulated AIS unit (ttySIM0)");
const QByteArray StaticData = "$AISSD,ABC1234,TEST SHIP@@@@@@@@@@@,010,5,2,3,0,AI*41\r\n";
const QByteArray VoyageData = "$AIVSD,30,0.0,0,@@@@@@@@@@@@@@@@@@@@,000000,00,00,00,00*4E\r\n";

// The window on its real serial port component; a pseudo-terminal plays the unit,
// found in the port list as a simulated unit.
class LineTest : public ::testing::Test {
protected:
    LineTest() : peer(std::make_unique<PtyPeer>()), window(nullptr) {
        units.Publish(*peer, QStringLiteral("ttySIM0"));
        form.GetSerialPort();
        form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(UnitItem));
    }
    ~LineTest() override { SetWaitHooks({}); }

    void Click() { form.Button1->click(); }
    bool Connect() {
        const qsizetype before = peer->Received().size();
        Click();
        return peer->WaitForReceived(before + ConnectTraffic(0).size());
    }

    SimulatedUnitFolderScope units;
    std::unique_ptr<PtyPeer> peer;
    LinkWindow window;
    TForm1& form = window.form;
};

TEST_F(LineTest, TheUnitIsListedAndChosen) {
    EXPECT_EQ(form.ComboBox1->currentText(), UnitItem);
}

TEST_F(LineTest, AFirstConnectWritesTheConfigurationThenTheQueriesByteForByte) {
    ASSERT_TRUE(Connect());
    EXPECT_EQ(peer->Received(), ConnectTraffic(0));
    EXPECT_EQ(peer->BaudRate(), 38400);
    EXPECT_TRUE(window.errors.isEmpty());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
}

TEST_F(LineTest, ASecondConnectCarriesTheCounterOn) {
    ASSERT_TRUE(Connect());
    Click();
    const qsizetype first = peer->Received().size();
    ASSERT_TRUE(Connect());
    const QByteArray second = peer->Received().mid(first);
    EXPECT_TRUE(second.startsWith("$PSMT,0,0,0,0,nmeabaud 38400^2C19200,11*05\r\n"));
    EXPECT_EQ(second, ConnectTraffic(11));
}

TEST_F(LineTest, RepliesToTheQueriesFillTheWindow) {
    peer->OnReceive = [this](const QByteArray& chunk) {
        if (chunk.contains("$U0AIQ,SSD*54"))
            peer->Send(StaticData);
        if (chunk.contains("$U0AIQ,VSD*51"))
            peer->Send(VoyageData);
    };
    ASSERT_TRUE(Connect());
    ASSERT_TRUE(PumpUntil([this] { return form.ComboBox123->currentIndex() == 0; }));
    EXPECT_TRUE(PumpUntil([this] { return form.Edit121->text() == QLatin1String("ABC1234"); }));
    EXPECT_EQ(form.Edit122->text(), QStringLiteral("TEST SHIP"));
}

TEST_F(LineTest, AReplySplitOverTwoDeliveriesIsDecodedOnce) {
    ASSERT_TRUE(Connect());
    const QByteArray first = StaticData.left(25);
    peer->Send(first);
    ASSERT_TRUE(PumpUntil([&] { return ReceiveData == QString::fromLatin1(first); }));
    EXPECT_TRUE(form.Edit121->text().isEmpty());
    peer->Send(StaticData.mid(25));
    ASSERT_TRUE(PumpUntil([this] { return !form.Edit134->text().isEmpty(); }));
    EXPECT_EQ(form.Edit121->text(), QStringLiteral("ABC1234"));
    EXPECT_EQ(form.Edit134->text(), QStringLiteral("3"));
}

TEST_F(LineTest, TwoRepliesTogetherAreBothDecoded) {
    ASSERT_TRUE(Connect());
    peer->Send(StaticData + VoyageData);
    ASSERT_TRUE(PumpUntil([this] { return form.ComboBox123->currentIndex() == 0; }));
    EXPECT_EQ(form.Edit131->text(), QStringLiteral("10"));
}

TEST_F(LineTest, AReplyWhoseDistanceIsNoNumberLeavesTheNextOneDecoded) {
    ASSERT_TRUE(Connect());
    peer->Send("$AISSD,CALL,NAME,??,5,2,3,0,AI*00\r\n" + VoyageData);
    ASSERT_TRUE(PumpUntil([this] { return form.ComboBox123->currentIndex() == 0; }));
    EXPECT_EQ(form.Edit121->text(), QStringLiteral("CALL"));
    EXPECT_TRUE(form.Edit131->text().isEmpty());
}

TEST_F(LineTest, AHangUpDuringTheConnectShowsTheErrorAndTheWindowGoesOn) {
    SetWaitHooks({{}, [this](uint32_t ms) {
                      if (form.ComPort1->Connected() && !peer->HungUp())
                          peer->HangUp();
                      QThread::msleep(ms);
                  }});
    Click();
    EXPECT_EQ(window.errors, QStringList{QStringLiteral("WriteFile function failed (Error: 5)")});
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_FALSE(form.Button121->isEnabled());
    SetWaitHooks({});

    Click();
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Connect"));
    EXPECT_FALSE(form.ComPort1->Connected());

    peer = std::make_unique<PtyPeer>();
    units.Publish(*peer, QStringLiteral("ttySIM0"));
    window.errors.clear();
    ASSERT_TRUE(Connect());
    EXPECT_TRUE(window.errors.isEmpty());
    EXPECT_TRUE(peer->Received().startsWith("$PSMT,0,0,0,0,nmeabaud 38400^2C19200,0*35\r\n"));
}

TEST_F(LineTest, AConnectInsideTheLastWaitLeavesThePortWhole) {
    bool clicked = false;
    SetWaitHooks({{}, [&](uint32_t ms) {
                      if (form.ComPort1->Connected() && !clicked)
                          LinkWindow::ClickSoon(form.Button1);
                      clicked = clicked || form.ComPort1->Connected();
                      QThread::msleep(ms);
                  }});
    Click();
    EXPECT_TRUE(window.errors.isEmpty());
    EXPECT_TRUE(form.ComPort1->Connected());
    ASSERT_TRUE(peer->WaitForReceived(2 * ConnectTraffic(0).size()));
    EXPECT_EQ(peer->Received(), ConnectTraffic(0) + ConnectTraffic(11));

    // Once disconnected, the device is free for anyone.
    Click();
    const std::unique_ptr<TComPort> other = CreateSerialComPort();
    TComPortSettings settings = other->Settings();
    settings.Port = QStringLiteral("ttySIM0");
    other->SetSettings(settings);
    EXPECT_NO_THROW(other->Open());
}

} // namespace
