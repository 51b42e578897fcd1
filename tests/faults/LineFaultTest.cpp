#include "codec/SequenceCounter.h"
#include "platform/Clock.h"
#include "platform/SerialComPort.h"
#include "tests/faults/FaultWindow.h"
#include "tests/faults/Texts.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

// The line fails under the window: the unit's end hangs up, or another program
// holds the port.

namespace {

// The text has the form of the pattern, a regular expression, as a whole.
bool IsMessage(const QString& text, const char* pattern) {
    return QRegularExpression(QStringLiteral("^%1$").arg(QLatin1String(pattern)))
        .match(text)
        .hasMatch();
}

const char* const OpenError = R"(Unable to open com port \(Error: \d+\))";
const char* const WriteError = R"(WriteFile function failed \(Error: \d+\))";
const char* const DrainError = R"(ClearCommError function failed \(Error: \d+\))";

// After a fault: a disconnect, then a connect on a fresh line, works whole.
void ExpectDisconnectAndReconnectOnAFreshLine(FaultWindow& w) {
    if (w.form.Button1->text() == QLatin1String("Disconnect"))
        w.form.Button1->click();
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Connect"));
    EXPECT_FALSE(w.form.ComPort1->Connected());
    EXPECT_TRUE(w.SetAndReadEnabled().isEmpty());
    EXPECT_TRUE(w.form.Edit111->isEnabled());
    w.Replug();
    w.errors.clear();
    const int first = SqId;
    ASSERT_TRUE(w.Connect()) << w.errors.join(u'|').toStdString();
    EXPECT_EQ(w.peer->Received(), ConnectTraffic(first));
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_TRUE(w.PortHoldsLine());
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
}

struct ConnectHangUp {
    const char* name;
    int sleep;          // the sleep of the connect's waits at which the line goes
    const char* error;  // the error box's text
    bool portOpenAfter; // the sequence had opened the port for good
};

class ConnectHangUpFault : public ::testing::TestWithParam<ConnectHangUp> {
protected:
    FaultWindow w;
    SleepClock clock;
};

TEST_P(ConnectHangUpFault, EndsTheConnectWithTheComponentsErrorAndAFreshLineWorks) {
    const ConnectHangUp& fault = GetParam();
    clock.onSleep = [&](int sleep) {
        if (sleep == fault.sleep)
            w.PullCable();
    };
    w.form.Button1->click();
    ASSERT_EQ(w.errors.size(), 1);
    EXPECT_TRUE(IsMessage(w.errors[0], fault.error)) << w.errors[0].toStdString();
    EXPECT_TRUE(w.peer->Received().isEmpty());
    EXPECT_EQ(SqId, 0);
    EXPECT_EQ(w.form.ComPort1->Connected(), fault.portOpenAfter);
    EXPECT_EQ(w.form.Button1->text(),
              fault.portOpenAfter ? QStringLiteral("Disconnect") : QStringLiteral("Connect"));
    EXPECT_TRUE(w.SetAndReadEnabled().isEmpty());
    clock.onSleep = nullptr;
    ExpectDisconnectAndReconnectOnAFreshLine(w);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, ConnectHangUpFault,
    ::testing::Values(ConnectHangUp{"AfterTheProbeAt1200", 1, OpenError, false},
                      ConnectHangUp{"AfterTheProbeAt38400", 60, OpenError, false},
                      ConnectHangUp{"AfterTheFinalOpen", 103, WriteError, true},
                      ConnectHangUp{"JustBeforeTheFirstSentence", 153, WriteError, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ConnectDrainHangUp {
    const char* name;
    int sentence; // the line goes while this sentence (from 1) of the connect drains
};

class ConnectDrainHangUpFault : public ::testing::TestWithParam<ConnectDrainHangUp> {
protected:
    FaultWindow w;
};

TEST_P(ConnectDrainHangUpFault, EndsTheConnectAtTheDrainWithTheButtonsDisabled) {
    const int sentence = GetParam().sentence;
    w.port->drainPolls = 1;
    w.port->onPendingPoll = [&](int poll) {
        if (poll != sentence)
            return;
        w.PullCable();
        EXPECT_TRUE(PumpUntil([this] { return !w.PortHoldsLine(); }));
    };
    w.form.Button1->click();
    ASSERT_EQ(w.errors.size(), 1);
    EXPECT_TRUE(IsMessage(w.errors[0], DrainError)) << w.errors[0].toStdString();
    EXPECT_EQ(w.peer->Received(), ConnectSentences(0).mid(0, sentence).join());
    EXPECT_EQ(SqId, sentence - 1);
    EXPECT_TRUE(w.form.ComPort1->Connected());
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_TRUE(w.SetAndReadEnabled().isEmpty());
    w.port->drainPolls = 0;
    ExpectDisconnectAndReconnectOnAFreshLine(w);
}

INSTANTIATE_TEST_SUITE_P(Sentences, ConnectDrainHangUpFault,
                         ::testing::Values(ConnectDrainHangUp{"BaudRateSentence", 1},
                                           ConnectDrainHangUp{"TriggerSentence", 5},
                                           ConnectDrainHangUp{"FirstQuery", 6},
                                           ConnectDrainHangUp{"LastQuery", 11}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Write { Mmsi, StaticData };
enum class Moment {
    Unnoticed, // the line goes just before the write; the component has not seen it
    Noticed,   // the line goes and the component has seen it before the write
    InDrain,   // the sentence is out; the line goes while the window waits for the drain
};

struct WriteHangUp {
    const char* name;
    Write write;
    Moment moment;
    const char* error;
};

class WriteHangUpFault : public ::testing::TestWithParam<WriteHangUp> {
protected:
    WriteHangUpFault() {
        EXPECT_TRUE(w.Connect());
        w.form.Edit111->setText(QStringLiteral("200000000"));
        w.form.Edit121->setText(QStringLiteral("CALL"));
        w.form.Edit122->setText(QStringLiteral("SHIP"));
        for (TEdit* box : {w.form.Edit131, w.form.Edit132, w.form.Edit133, w.form.Edit134})
            box->setText(QStringLiteral("1"));
        w.form.ComboBox123->setCurrentIndex(0);
    }

    void HangUp(Moment moment) {
        w.PullCable();
        if (moment != Moment::Unnoticed) {
            EXPECT_TRUE(PumpUntil([this] { return !w.PortHoldsLine(); }));
        }
    }

    FaultWindow w;
};

TEST_P(WriteHangUpFault, ShowsTheErrorAndNothingFollows) {
    const WriteHangUp& fault = GetParam();
    const qsizetype before = w.peer->Received().size();
    const int32_t counter = SqId;
    if (fault.moment == Moment::InDrain) {
        w.port->drainPolls = 1;
        w.port->onPendingPoll = [&](int) { HangUp(fault.moment); };
    } else if (fault.write == Write::Mmsi) {
        w.answer = [&](const MessageDlgRequest& request) {
            if (request.text.startsWith(QStringLiteral("MMSIを ")))
                HangUp(fault.moment);
            return int(mrYes);
        };
    } else {
        HangUp(fault.moment);
    }

    (fault.write == Write::Mmsi ? w.form.Button111 : w.form.Button121)->click();

    ASSERT_EQ(w.errors.size(), 1);
    EXPECT_TRUE(IsMessage(w.errors[0], fault.error)) << w.errors[0].toStdString();
    EXPECT_EQ(SqId, counter);
    const QByteArray sentence = fault.write == Write::Mmsi
                                    ? SentenceOf("$PSMT,0,0,0,0,set_mmsi 200000000,0")
                                    : SentenceOf("$U0SSD,CALL,SHIP,1,1,1,1,,AI");
    // The sentence whose drain failed went out; nothing after it did.
    EXPECT_EQ(w.peer->Received().mid(before),
              fault.moment == Moment::InDrain ? sentence : QByteArray());
    if (fault.write == Write::Mmsi) {
        EXPECT_EQ(w.dialogs,
                  QStringList({Question(FirstConfirmation),
                               Question(SecondConfirmation(QStringLiteral("200000000")))}));
        EXPECT_TRUE(w.form.Edit111->isEnabled());
        EXPECT_EQ(w.form.Edit111->text(), QStringLiteral("200000000"));
    } else {
        EXPECT_TRUE(w.dialogs.isEmpty());
        EXPECT_EQ(w.form.Edit121->text(), QStringLiteral("CALL"));
        EXPECT_EQ(w.form.ComboBox123->currentIndex(), 0);
    }
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    w.port->drainPolls = 0;
    ExpectDisconnectAndReconnectOnAFreshLine(w);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, WriteHangUpFault,
    ::testing::Values(
        WriteHangUp{"MmsiUnnoticed", Write::Mmsi, Moment::Unnoticed, WriteError},
        WriteHangUp{"MmsiNoticed", Write::Mmsi, Moment::Noticed, WriteError},
        WriteHangUp{"MmsiInDrain", Write::Mmsi, Moment::InDrain, DrainError},
        WriteHangUp{"StaticDataUnnoticed", Write::StaticData, Moment::Unnoticed, WriteError},
        WriteHangUp{"StaticDataNoticed", Write::StaticData, Moment::Noticed, WriteError},
        WriteHangUp{"StaticDataInDrain", Write::StaticData, Moment::InDrain, DrainError}),
    [](const auto& info) { return std::string(info.param.name); });

// Holds the simulated unit's port open, as another program would.
class PortHolder {
public:
    virtual ~PortHolder() = default;
    virtual bool Holding() = 0;
    virtual void Release() = 0;
};

class ComponentHolder : public PortHolder {
public:
    ComponentHolder() : port_(CreateSerialComPort()) {
        TComPortSettings settings = port_->Settings();
        settings.Port = QStringLiteral("ttySIM0");
        port_->SetSettings(settings);
    }
    bool Holding() override {
        port_->Open();
        return port_->Connected();
    }
    void Release() override { port_->Close(); }

private:
    std::unique_ptr<TComPort> port_;
};

class ProcessHolder : public PortHolder {
public:
    ~ProcessHolder() override { Release(); }
    bool Holding() override {
        process_.start(QStringLiteral(QUORVANE_PORT_HOLDER), {QStringLiteral("ttySIM0")});
        return process_.waitForStarted(10000) && process_.waitForReadyRead(10000) &&
               process_.readLine() == "held\n";
    }
    void Release() override {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.closeWriteChannel();
        process_.waitForFinished(10000);
    }

private:
    QProcess process_;
};

struct Holder {
    const char* name;
    std::function<std::unique_ptr<PortHolder>()> make;
};

class HeldPortFault : public ::testing::TestWithParam<Holder> {
protected:
    FaultWindow w;
};

TEST_P(HeldPortFault, ShowsTheOpenErrorAndStaysUnconnectedUntilReleased) {
    const std::unique_ptr<PortHolder> holder = GetParam().make();
    ASSERT_TRUE(holder->Holding());
    w.form.Button1->click();
    ASSERT_EQ(w.errors.size(), 1);
    EXPECT_TRUE(IsMessage(w.errors[0], OpenError)) << w.errors[0].toStdString();
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Connect"));
    EXPECT_FALSE(w.form.ComPort1->Connected());
    EXPECT_TRUE(w.SetAndReadEnabled().isEmpty());
    EXPECT_TRUE(w.peer->Received().isEmpty());
    EXPECT_EQ(SqId, 0);

    holder->Release();
    w.errors.clear();
    ASSERT_TRUE(w.Connect());
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.peer->Received(), ConnectTraffic(0));
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, HeldPortFault,
    ::testing::Values(
        Holder{"AnotherComponent", [] { return std::unique_ptr<PortHolder>(new ComponentHolder); }},
        Holder{"AnotherProcess", [] { return std::unique_ptr<PortHolder>(new ProcessHolder); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
