#include "codec/SequenceCounter.h"
#include "tests/faults/FaultWindow.h"
#include "tests/faults/Texts.h"

#include <QPushButton>
#include <QTimer>

// The operator clicks while a handler waits: the click's handler runs inside the
// wait, and the window never ends half connected.

namespace {

// The caption tells the truth about the port.
void ExpectCaptionAgreesWithThePort(FaultWindow& w) {
    const bool connected = w.form.ComPort1->Connected();
    EXPECT_EQ(w.form.Button1->text(),
              connected ? QStringLiteral("Disconnect") : QStringLiteral("Connect"));
    EXPECT_EQ(w.PortHoldsLine(), connected);
}

struct ConnectInConnect {
    const char* name;
    int sleep; // a timer set at this sleep of the connect's waits clicks Connect
};

class ConnectInConnectFault : public ::testing::TestWithParam<ConnectInConnect> {
protected:
    FaultWindow w;
    SleepClock clock;
};

TEST_P(ConnectInConnectFault, EndsConnectedWithBothSequencesSent) {
    clock.onSleep = [&](int sleep) {
        if (sleep == GetParam().sleep)
            QTimer::singleShot(0, w.form.Button1, [this] { w.form.Button1->click(); });
    };
    w.form.Button1->click();
    ASSERT_TRUE(w.peer->WaitForReceived(2 * ConnectTraffic(0).size()));
    EXPECT_TRUE(w.errors.isEmpty());
    // The inner connect ran whole inside the wait; the outer one then went on.
    EXPECT_EQ(w.peer->Received(), ConnectTraffic(0) + ConnectTraffic(11));
    EXPECT_EQ(SqId, 22);
    EXPECT_TRUE(w.form.ComPort1->Connected());
    ExpectCaptionAgreesWithThePort(w);
    EXPECT_EQ(w.peer->BaudRate(), 38400);
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);

    w.form.Button1->click();
    EXPECT_FALSE(w.form.ComPort1->Connected());
    ExpectCaptionAgreesWithThePort(w);
    EXPECT_TRUE(w.SetAndReadEnabled().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Waits, ConnectInConnectFault,
                         ::testing::Values(ConnectInConnect{"FirstWait", 1},
                                           ConnectInConnect{"SecondWait", 52},
                                           ConnectInConnect{"ThirdWait", 103}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DisconnectInConnect {
    const char* name;
    int sentence; // Disconnect is clicked while this sentence (from 1) drains
};

class DisconnectInConnectFault : public ::testing::TestWithParam<DisconnectInConnect> {
protected:
    FaultWindow w;
};

TEST_P(DisconnectInConnectFault, TheConnectFailsAtItsNextPortOperation) {
    const int sentence = GetParam().sentence;
    w.form.Edit111->setText(QStringLiteral("123"));
    w.form.Edit121->setText(QStringLiteral("CALL"));
    w.port->drainPolls = 1;
    w.port->onPendingPoll = [&](int poll) {
        if (poll == sentence)
            FaultWindow::ClickSoon(w.form.Button1);
    };
    w.form.Button1->click();

    ASSERT_EQ(w.errors, QStringList{QStringLiteral("ClearCommError function failed (Error: 9)")});
    const QList<QByteArray> sentences = ConnectSentences(0);
    ASSERT_TRUE(w.peer->WaitForReceived(sentences.mid(0, sentence).join().size()));
    EXPECT_EQ(w.peer->Received(), sentences.mid(0, sentence).join());
    EXPECT_EQ(SqId, sentence - 1);
    // The state is that of the disconnect.
    EXPECT_FALSE(w.form.ComPort1->Connected());
    ExpectCaptionAgreesWithThePort(w);
    EXPECT_TRUE(w.SetAndReadEnabled().isEmpty());
    EXPECT_TRUE(w.form.Edit111->isEnabled());
    EXPECT_TRUE(w.form.Edit111->text().isEmpty());
    EXPECT_TRUE(w.form.Edit121->text().isEmpty());
    EXPECT_EQ(w.form.ComboBox123->currentIndex(), 7);

    w.port->drainPolls = 0;
    w.errors.clear();
    const qsizetype before = w.peer->Received().size();
    w.form.Button1->click();
    ASSERT_TRUE(w.peer->WaitForReceived(before + ConnectTraffic(sentence - 1).size()));
    EXPECT_EQ(w.peer->Received().mid(before), ConnectTraffic(sentence - 1));
    EXPECT_TRUE(w.errors.isEmpty());
    ExpectCaptionAgreesWithThePort(w);
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
}

INSTANTIATE_TEST_SUITE_P(Sentences, DisconnectInConnectFault,
                         ::testing::Values(DisconnectInConnect{"BaudRateSentence", 1},
                                           DisconnectInConnect{"AccessCodeSentence", 4},
                                           DisconnectInConnect{"TriggerSentence", 5},
                                           DisconnectInConnect{"FirstQuery", 6},
                                           DisconnectInConnect{"LastQuery", 11}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClickInSet {
    const char* name;
    int sentence;  // the clicks come while this sentence of Set (1: SSD, 2: VSD) drains
    bool readData; // Read Data is clicked
    bool clear;    // Clear is clicked, after Read Data when both are
};

class ClickInSetFault : public ::testing::TestWithParam<ClickInSet> {
protected:
    ClickInSetFault() {
        EXPECT_TRUE(w.Connect());
        w.form.Edit121->setText(QStringLiteral("CALL"));
        w.form.Edit122->setText(QStringLiteral("SHIP NAME"));
        w.form.Edit131->setText(QStringLiteral("100"));
        w.form.Edit132->setText(QStringLiteral("20"));
        w.form.Edit133->setText(QStringLiteral("5"));
        w.form.Edit134->setText(QStringLiteral("6"));
        w.form.ComboBox123->setCurrentIndex(0);
    }
    FaultWindow w;
};

TEST_P(ClickInSetFault, SendsWhatTheClickTookAndTheInnerClicksTakeEffect) {
    const ClickInSet& click = GetParam();
    w.port->drainPolls = 1;
    w.port->onPendingPoll = [&](int poll) {
        if (poll != click.sentence)
            return;
        if (click.readData)
            FaultWindow::ClickSoon(w.form.Button123);
        if (click.clear)
            FaultWindow::ClickSoon(w.form.Button122);
    };
    const qsizetype before = w.peer->Received().size();
    w.form.Button121->click();

    const QByteArray ssd = SentenceOf("$U0SSD,CALL,SHIP NAME,100,20,5,6,,AI");
    const QByteArray vsd = SentenceOf("$U0VSD,30,,,,,,,,");
    const QByteArray inner = click.readData ? Queries + Queries : QByteArray();
    const QByteArray traffic =
        click.sentence == 1 ? ssd + inner + vsd + Queries : ssd + vsd + inner + Queries;
    ASSERT_TRUE(w.peer->WaitForReceived(before + traffic.size()));
    EXPECT_EQ(w.peer->Received().mid(before), traffic);
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.dialogs, QStringList{Information(VesselNotice)});
    if (click.clear) {
        for (TEdit* box : {w.form.Edit121, w.form.Edit122, w.form.Edit131, w.form.Edit132,
                           w.form.Edit133, w.form.Edit134})
            EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(w.form.ComboBox123->currentIndex(), 7);
    } else {
        EXPECT_EQ(w.form.Edit121->text(), QStringLiteral("CALL"));
        EXPECT_EQ(w.form.ComboBox123->currentIndex(), 0);
    }
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
    ExpectCaptionAgreesWithThePort(w);
}

INSTANTIATE_TEST_SUITE_P(Clicks, ClickInSetFault,
                         ::testing::Values(ClickInSet{"ClearInStaticData", 1, false, true},
                                           ClickInSet{"ClearInVoyageData", 2, false, true},
                                           ClickInSet{"ReadDataInStaticData", 1, true, false},
                                           ClickInSet{"ReadDataInVoyageData", 2, true, false},
                                           ClickInSet{"ReadDataThenClearInStaticData", 1, true,
                                                      true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
