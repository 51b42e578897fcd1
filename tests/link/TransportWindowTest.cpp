#include "codec/SequenceCounter.h"
#include "platform/Clock.h"
#include "platform/Exception.h"
#include "tests/link/LinkWindow.h"
#include "tests/support/FakeComPort.h"
#include "tests/support/PtyPeer.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/SimulatedUnitFolderScope.h"

#include <QCoreApplication>

namespace {

constexpr uint64_t TwoTo32 = uint64_t{1} << 32;

struct TickCase {
    uint32_t deadline;
    uint64_t tick;
    bool passed;
};

class TimeoutChkTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(TimeoutChkTest, ReadsTheTickCounterAcrossItsWrap) {
    LinkWindow window(std::make_unique<FakeComPort>());
    const uint32_t tick = static_cast<uint32_t>(GetParam().tick);
    SetWaitHooks({[tick] { return tick; }, {}});
    EXPECT_EQ(window.form.Timeout_Chk(GetParam().deadline), GetParam().passed);
    EXPECT_EQ(window.form.Timeout_Set(32), tick + 32u);
    SetWaitHooks({});
}

INSTANTIATE_TEST_SUITE_P(Ticks, TimeoutChkTest,
                         ::testing::Values(TickCase{16, TwoTo32 - 16, false},
                                           TickCase{16, 16, false}, TickCase{16, 17, true}));

// The window on a stand-in port with waits on a virtual clock.
class TransportTest : public ::testing::Test {
protected:
    TransportTest() : port(new FakeComPort), window(std::unique_ptr<TComPort>(port)) {
        window.ChoosePort(QStringLiteral("Simulated AIS unit (ttySIM0)"));
    }

    // Posts a window message; true once it has been handled.
    void PostMessage() {
        QMetaObject::invokeMethod(
            &window.form, [this] { messageHandled = true; }, Qt::QueuedConnection);
    }

    VirtualClock clock;
    FakeComPort* port;
    LinkWindow window;
    TForm1& form = window.form;
    bool messageHandled = false;
};

struct WaitCase {
    uint32_t time;
    int sleeps;
};

class WaitSlpTest : public TransportTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(WaitSlpTest, SleepsUntilTheCounterHasMovedPastTheTimeAndHandlesMessages) {
    PostMessage();
    form.WaitSlp(GetParam().time);
    EXPECT_EQ(clock.sleeps, GetParam().sleeps);
    EXPECT_TRUE(messageHandled);
}

INSTANTIATE_TEST_SUITE_P(Times, WaitSlpTest,
                         ::testing::Values(WaitCase{0, 1}, WaitCase{1, 2}, WaitCase{50, 51}));

TEST_F(TransportTest, WaitSlpTestsBeforeItsFirstSleep) {
    SetWaitHooks({[this] { return clock.now++; }, [this](uint32_t) { ++clock.sleeps; }});
    form.WaitSlp(0);
    EXPECT_EQ(clock.sleeps, 0);
}

TEST_F(TransportTest, SendStringWithNothingQueuedHandlesNoMessage) {
    port->Open();
    const int32_t before = SqId;
    PostMessage();
    EXPECT_TRUE(form.SendString(QStringLiteral("$U0AIQ,SMM*43\r\n")));
    EXPECT_FALSE(messageHandled);
    EXPECT_EQ(clock.sleeps, 0);
    EXPECT_EQ(SqId, before + 1);
    EXPECT_EQ(SqidS, QString::number(before + 1));
    EXPECT_EQ(port->written, QByteArray("$U0AIQ,SMM*43\r\n"));
}

TEST_F(TransportTest, SendStringWaitsUntilTheQueueHasDrained) {
    port->Open();
    port->drainPolls = 3;
    PostMessage();
    form.SendString(QStringLiteral("x"));
    EXPECT_TRUE(messageHandled);
    EXPECT_EQ(clock.sleeps, 3);
}

TEST_F(TransportTest, AFailedWriteDoesNotAdvanceTheCounter) {
    port->Open();
    port->writesBeforeFailure = 0;
    const int32_t before = SqId;
    EXPECT_THROW(form.SendString(QStringLiteral("x")), EComPort);
    EXPECT_EQ(SqId, before);
}

TEST_F(TransportTest, ComPortSetupLeavesThePortClosedWithTheSettings) {
    form.ComPortSetup(1200);
    EXPECT_EQ(port->log,
              QStringList({QStringLiteral("Open ttySIM0 1200"), QStringLiteral("Close")}));
    EXPECT_FALSE(port->Connected());
    EXPECT_EQ(port->Settings().Port, QStringLiteral("ttySIM0"));
}

TEST_F(TransportTest, ComPortSetupCutsThePortNameOutOfTheItem) {
    window.ChoosePort(QStringLiteral("A (B) (COM3)"));
    form.ComPortSetup(38400);
    EXPECT_EQ(port->Settings().Port, QStringLiteral("B) (COM3"));
}

// The port list over the system's ports and a simulated unit.
class PortListTest : public TransportTest {
protected:
    PortListTest() { units.Publish(peer, QStringLiteral("ttySIM0")); }

    SimulatedUnitFolderScope units;
    PtyPeer peer;
};

TEST_F(PortListTest, ListsASimulatedUnitAndClearsTheChoice) {
    form.ComboBox1->showPopup();
    form.ComboBox1->hidePopup();
    const int unit = form.ComboBox1->findText(QStringLiteral("Simulated AIS unit (ttySIM0)"));
    ASSERT_GE(unit, 0);
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form.ComboBox1->DroppedWidth(), 2 * form.ComboBox1->width());
    form.ComboBox1->setCurrentIndex(unit);
    form.ComboBox1DropDown(form.ComboBox1);
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
    EXPECT_TRUE(form.ComboBox1->currentText().isEmpty());
}

TEST_F(PortListTest, AUnitThatIsGoneIsNoLongerListed) {
    form.GetSerialPort();
    ASSERT_GE(form.ComboBox1->findText(QStringLiteral("Simulated AIS unit (ttySIM0)")), 0);
    peer.HangUp();
    form.GetSerialPort();
    EXPECT_EQ(form.ComboBox1->findText(QStringLiteral("Simulated AIS unit (ttySIM0)")), -1);
}

TEST_F(PortListTest, TheDropDownIsTwiceAsWideAsTheList) {
    form.ComboBox1DropDown(form.ComboBox1);
    EXPECT_EQ(form.ComboBox1->DroppedWidth(), 428);
}

} // namespace
