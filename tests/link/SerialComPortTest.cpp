#include "platform/SerialComPort.h"

#include "platform/Exception.h"
#include "tests/support/PtyPeer.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/SimulatedUnitFolderScope.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QString MessageOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const EComPort& error) {
        return error.Message();
    }
    return QStringLiteral("(nothing raised)");
}

// Processes events until `done` holds; false after the hang guard.
bool PumpUntil(const std::function<bool()>& done) {
    const QDeadlineTimer guard(10000);
    while (!done() && !guard.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

void PumpFor(int ms) {
    const QDeadlineTimer until(ms);
    while (!until.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

TComPortSettings LineSettings(const QString& port, int32_t baudRate = 38400) {
    TComPortSettings settings;
    settings.Port = port;
    settings.BaudRate = baudRate;
    return settings;
}

class SerialComPortTest : public ::testing::Test {
protected:
    SerialComPortTest() {
        folder.Publish(peer, QStringLiteral("ttySIM0"));
        port->SetSettings(LineSettings(QStringLiteral("ttySIM0")));
        port->OnRxChar = [this](int count) {
            counts.push_back(count);
            QString chunk;
            port->ReadStr(chunk, count);
            read += chunk;
        };
    }

    SimulatedUnitFolderScope folder;
    PtyPeer peer;
    std::unique_ptr<TComPort> port = CreateSerialComPort();
    std::vector<int> counts;
    QString read;
};

TEST_F(SerialComPortTest, OpensAndClosesOnce) {
    port->Open();
    port->Open();
    EXPECT_TRUE(port->Connected());
    port->Close();
    port->Close();
    EXPECT_FALSE(port->Connected());
    port->Open();
    EXPECT_TRUE(port->Connected());
}

TEST_F(SerialComPortTest, AppliesTheLineSpeedAtOpenAndAtOnceWhenOpen) {
    port->SetSettings(LineSettings(QStringLiteral("ttySIM0"), 1200));
    port->Open();
    EXPECT_EQ(peer.BaudRate(), 1200);
    port->SetSettings(LineSettings(QStringLiteral("ttySIM0"), 38400));
    EXPECT_EQ(peer.BaudRate(), 38400);
    EXPECT_TRUE(port->Connected());
}

TEST_F(SerialComPortTest, ANewPortReopensOnIt) {
    PtyPeer other;
    folder.Publish(other, QStringLiteral("ttySIM1"));
    port->Open();
    port->SetSettings(LineSettings(QStringLiteral("ttySIM1")));
    EXPECT_TRUE(port->Connected());
    port->WriteStr(QStringLiteral("x"));
    EXPECT_TRUE(other.WaitForReceived(1));
    EXPECT_EQ(other.Received(), QByteArray("x"));
    EXPECT_TRUE(peer.Received().isEmpty());
}

TEST_F(SerialComPortTest, IsNotSharedWhileOpen) {
    port->Open();
    const std::unique_ptr<TComPort> second = CreateSerialComPort();
    second->SetSettings(LineSettings(QStringLiteral("ttySIM0")));
    EXPECT_EQ(MessageOf([&] { second->Open(); }),
              QStringLiteral("Unable to open com port (Error: 13)"));
    EXPECT_FALSE(second->Connected());
    port->Close();
    second->Open();
    EXPECT_TRUE(second->Connected());
}

struct OpenFailure {
    const char* port;
    const char* message;
};

class SerialComPortOpenFailureTest : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(SerialComPortOpenFailureTest, RaisesAndStaysClosed) {
    SimulatedUnitFolderScope folder;
    folder.PublishLink(QStringLiteral("/dev/null"), QStringLiteral("ttySIM9"));
    const std::unique_ptr<TComPort> port = CreateSerialComPort();
    port->SetSettings(LineSettings(QString::fromUtf8(GetParam().port)));
    EXPECT_EQ(MessageOf([&] { port->Open(); }), QString::fromUtf8(GetParam().message));
    EXPECT_FALSE(port->Connected());
}

INSTANTIATE_TEST_SUITE_P(
    Ports, SerialComPortOpenFailureTest,
    ::testing::Values(OpenFailure{"", "Unable to open com port (Error: 2)"},
                      OpenFailure{"ttyQVNONE7", "Unable to open com port (Error: 2)"},
                      OpenFailure{"B) (COM3", "Unable to open com port (Error: 2)"},
                      // a link to anything but a pseudo-terminal is no simulated unit
                      OpenFailure{"ttySIM9", "Unable to open com port (Error: 2)"}));

TEST_F(SerialComPortTest, WritesOneByteOfEachCharacterInOrder) {
    QString text;
    for (int code = 0; code < 256; ++code)
        text.append(QChar(code));
    text.append(QChar(0x0141)); // only the low 8 bits go out: 0x41
    port->Open();
    EXPECT_EQ(port->WriteStr(text), 257);
    EXPECT_EQ(port->WriteStr(QString()), 0);
    ASSERT_TRUE(peer.WaitForReceived(257));
    QByteArray expected;
    for (int code = 0; code < 256; ++code)
        expected.append(static_cast<char>(code));
    expected.append('A');
    EXPECT_EQ(peer.Received(), expected);
    EXPECT_EQ(port->OutputCount(), 0);
}

TEST_F(SerialComPortTest, DeliversEveryReceivedByteAsTheCharacterOfItsCode) {
    QByteArray bytes;
    for (int code = 0; code < 256; ++code)
        bytes.append(static_cast<char>(code));
    port->Open();
    peer.Send(bytes);
    ASSERT_TRUE(PumpUntil([&] { return read.size() >= 256; }));
    ASSERT_EQ(read.size(), 256);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(read[code].unicode(), code);
    for (int count : counts)
        EXPECT_GT(count, 0);
}

TEST_F(SerialComPortTest, ReadsNoMoreThanAsked) {
    port->OnRxChar = [this](int count) { counts.push_back(count); };
    port->Open();
    peer.Send("abcdef");
    ASSERT_TRUE(PumpUntil([&] { return !counts.empty() && counts.back() == 6; }));
    QString first;
    EXPECT_EQ(port->ReadStr(first, 2), 2);
    QString rest;
    EXPECT_EQ(port->ReadStr(rest, 100), 4);
    EXPECT_EQ(first + rest, QStringLiteral("abcdef"));
}

TEST_F(SerialComPortTest, CloseDropsWhatWasNotRead) {
    port->OnRxChar = [this](int count) { counts.push_back(count); };
    port->Open();
    peer.Send("old");
    ASSERT_TRUE(PumpUntil([&] { return !counts.empty(); }));
    port->Close();
    port->Open();
    peer.Send("new");
    ASSERT_TRUE(PumpUntil([&] { return counts.size() >= 2; }));
    QString rest;
    port->ReadStr(rest, 100);
    EXPECT_EQ(rest, QStringLiteral("new"));
}

TEST_F(SerialComPortTest, ModemLinesOfAPseudoTerminalAreNotApplicable) {
    port->Open();
    EXPECT_NO_THROW(port->SetDTR(true));
    EXPECT_NO_THROW(port->SetRTS(true));
    EXPECT_TRUE(port->Connected());
}

TEST_F(SerialComPortTest, AClosedPortRefusesEveryOperation) {
    QString rx;
    EXPECT_EQ(MessageOf([&] { port->WriteStr(QStringLiteral("x")); }),
              QStringLiteral("Port Not Open"));
    EXPECT_EQ(MessageOf([&] { port->ReadStr(rx, 1); }), QStringLiteral("Port Not Open"));
    EXPECT_EQ(MessageOf([&] { port->OutputCount(); }),
              QStringLiteral("ClearCommError function failed (Error: 9)"));
    EXPECT_EQ(MessageOf([&] { port->SetDTR(true); }),
              QStringLiteral("EscapeCommFunction function failed (Error: 9)"));
}

// CPU time of this process, in milliseconds.
double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

class SerialComPortHangUpTest : public SerialComPortTest,
                                public ::testing::WithParamInterface<bool> {};

TEST_P(SerialComPortHangUpTest, TheNextOperationRaisesAndCloseStillWorks) {
    const bool eventsSeenHangUp = GetParam();
    port->Open();
    peer.HangUp();
    if (eventsSeenHangUp) {
        const double before = CpuMs();
        PumpFor(300);
        // A line that keeps reporting itself readable would take the whole wait.
        EXPECT_LT(CpuMs() - before, 150.0);
    }
    EXPECT_EQ(MessageOf([&] { port->WriteStr(QStringLiteral("$U0AIQ,SMM*43\r\n")); }),
              QStringLiteral("WriteFile function failed (Error: 5)"));
    EXPECT_EQ(MessageOf([&] { port->OutputCount(); }),
              QStringLiteral("ClearCommError function failed (Error: 5)"));
    EXPECT_TRUE(port->Connected());
    port->Close();
    EXPECT_FALSE(port->Connected());
}

INSTANTIATE_TEST_SUITE_P(Line, SerialComPortHangUpTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "AfterEvents" : "Immediately");
});

TEST_F(SerialComPortTest, OpensAgainOnANewLineAfterAHangUp) {
    port->Open();
    peer.HangUp();
    PumpFor(50);
    port->Close();
    PtyPeer replugged;
    folder.Publish(replugged, QStringLiteral("ttySIM0"));
    port->Open();
    port->WriteStr(QStringLiteral("ok"));
    ASSERT_TRUE(replugged.WaitForReceived(2));
    EXPECT_EQ(replugged.Received(), QByteArray("ok"));
}

} // namespace
