#include "tests/unitsim/SimProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string smmQuery = "$U0AIQ,SMM*43\r\n";
const std::string ssdQuery = "$U0AIQ,SSD*54\r\n";
const std::string vsdQuery = "$U0AIQ,VSD*51\r\n";
const std::string noMmsiReply = "$AISMM,0,0,000000000*47\r\n";

class SimulatorProcess : public testing::Test {
protected:
    QString folder() const { return dir_.filePath("sim"); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QStringList inFolder(QStringList arguments) const {
        return QStringList{"--folder", folder()} + arguments;
    }
    QString readFile(const QString& name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

    QTemporaryDir dir_;
};

TEST_F(SimulatorProcess, AnnouncesLinkToItsDevice) {
    SimProcess sim(inFolder({}));
    EXPECT_EQ(sim.linkName(), "ttySIM0");
    EXPECT_EQ(sim.linkPath(), folder() + "/ttySIM0");
    EXPECT_EQ(QFileInfo(sim.linkPath()).symLinkTarget(), sim.device());
    struct stat info {};
    ASSERT_EQ(stat(folder().toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(SimulatorProcess, AnswersQueriesWithItsData) {
    SimProcess sim(
        inFolder({"--mmsi", "200000000", "--callsign", "JA,1", "--name", "SEA BIRD", "--a", "100",
                  "--b", "20", "--c", "5", "--d", "6", "--shiptype", "30"}));
    SerialEnd port(sim.linkPath());
    port.send(smmQuery + ssdQuery + vsdQuery);
    EXPECT_EQ(port.readLine(), "$AISMM,0,0,200000000*45\r\n");
    EXPECT_EQ(port.readLine(), "$AISSD,JA^2C1@@@,SEA BIRD@@@@@@@@@@@@,100,20,5,6,0,AI*7B\r\n");
    EXPECT_EQ(port.readLine(), "$AIVSD,30,,,,,,,,*66\r\n");
}

TEST_F(SimulatorProcess, KeepsAnsweringWhenPortIsClosedAndReopened) {
    SimProcess sim(inFolder({}));
    for (int opening = 0; opening < 3; ++opening) {
        SerialEnd port(sim.linkPath());
        port.send(smmQuery);
        EXPECT_EQ(port.readLine(), noMmsiReply) << "opening " << opening;
    }
}

// The program closes and reopens the port during a connect; a reply that goes out meanwhile
// must wait for the next opening.
TEST_F(SimulatorProcess, ReplySentWhilePortIsClosedAwaitsNextOpening) {
    SimProcess sim(inFolder({"--reply-delay", "200"}));
    SerialEnd(sim.linkPath()).send(smmQuery);
    SerialEnd port(sim.linkPath());
    EXPECT_EQ(port.readLine(), noMmsiReply);
}

// With no port open the master must not report a hang-up, or the loop would spin. The bound
// is on processor time, which a slow machine does not inflate.
TEST_F(SimulatorProcess, IdlesWhileNoPortIsOpen) {
    SimProcess sim(inFolder({}));
    SerialEnd(sim.linkPath()).send(smmQuery);
    const long ticksBefore = sim.cpuTicks();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_LT(sim.cpuTicks() - ticksBefore, sysconf(_SC_CLK_TCK) / 10);
}

TEST_F(SimulatorProcess, StoresWrittenDataAndReadsItBack) {
    SimProcess sim(inFolder({"--state", file("state")}));
    SerialEnd port(sim.linkPath());
    port.send("$U0SSD,AB^2A1,NEW^2CNAME,120,30,8,9,,AI*73\r\n$U0VSD,52,,,,,,,,*0F\r\n" + ssdQuery +
              vsdQuery);
    EXPECT_EQ(port.readLine(), "$AISSD,AB^2A1@@@,NEW^2CNAME@@@@@@@@@@@@,120,30,8,9,0,AI*6E\r\n");
    EXPECT_EQ(port.readLine(), "$AIVSD,52,,,,,,,,*62\r\n");
    EXPECT_EQ(readFile("state"), "mmsi=000000000\ncallsign=AB*1\nname=NEW,NAME\n"
                                 "a=120\nb=30\nc=8\nd=9\nshiptype=52\n");
}

TEST_F(SimulatorProcess, TakesFirstMmsiOnlyAndReportsTheRefusal) {
    SimProcess sim(inFolder({"--state", file("state")}));
    SerialEnd port(sim.linkPath());
    port.send("$PSMT,0,0,0,0,set_mmsi 200000000,0*1F\r\n"
              "$PSMT,0,0,0,0,set_mmsi 300000000,0*1E\r\n" +
              smmQuery);
    EXPECT_EQ(port.readLine(), "$AISMM,0,0,200000000*45\r\n");
    EXPECT_TRUE(readFile("state").startsWith("mmsi=200000000\n"));
    sim.sendSignal(SIGTERM);
    ASSERT_TRUE(sim.exitsCleanly());
    EXPECT_EQ(sim.standardError(), "mmsi refused: $PSMT,0,0,0,0,set_mmsi 300000000,0*1E\n");
}

TEST_F(SimulatorProcess, ReportsBadChecksumAndIgnoresTheSentence) {
    SimProcess sim(inFolder({}));
    SerialEnd port(sim.linkPath());
    port.send("$U0AIQ,SMM*42\r\n" + smmQuery);
    EXPECT_EQ(port.readLine(), noMmsiReply);
    sim.sendSignal(SIGTERM);
    ASSERT_TRUE(sim.exitsCleanly());
    EXPECT_EQ(sim.standardError(), "bad checksum: $U0AIQ,SMM*42\n");
}

TEST_F(SimulatorProcess, IgnoresStartUpConfigurationSilently) {
    SimProcess sim(inFolder({}));
    SerialEnd port(sim.linkPath());
    port.send("$PSMT,0,0,0,0,nmeabaud 38400^2C19200,0*35\r\n$PSMT,0,0,0,1,setgnssmode 3,1*51\r\n"
              "$PSMT,0,0,0,0,gpsfilt_nv 59,2*30\r\n$PSMT,012,,,(--MolEt--)*57\r\n"
              "$PSMT,TRG,02,00*75\r\n" +
              smmQuery);
    EXPECT_EQ(port.readLine(), noMmsiReply);
    sim.sendSignal(SIGTERM);
    ASSERT_TRUE(sim.exitsCleanly());
    EXPECT_EQ(sim.standardError(), "");
}

TEST_F(SimulatorProcess, HangsUpAfterGivenSentenceCount) {
    SimProcess sim(inFolder({"--hangup-after", "2"}));
    SerialEnd port(sim.linkPath());
    port.send(smmQuery);
    EXPECT_EQ(port.readLine(), noMmsiReply);
    port.send(smmQuery);
    EXPECT_TRUE(port.seesHangUp());
    EXPECT_TRUE(sim.exitsCleanly());
    EXPECT_FALSE(QFileInfo(sim.linkPath()).isSymLink());
}

class TerminationSignal : public SimulatorProcess, public testing::WithParamInterface<int> {};

TEST_P(TerminationSignal, RemovesLinkAndExitsCleanly) {
    SimProcess sim(inFolder({}));
    SerialEnd port(sim.linkPath());
    sim.sendSignal(GetParam());
    EXPECT_TRUE(sim.exitsCleanly());
    EXPECT_FALSE(QFileInfo(sim.linkPath()).isSymLink());
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, testing::Values(SIGINT, SIGTERM, SIGHUP));

TEST_F(SimulatorProcess, TranscriptHoldsExactlyTheBytesSent) {
    SimProcess sim(inFolder({"--transcript", file("transcript")}));
    const std::string noise("\n\0\xFFx\r", 5);
    {
        SerialEnd port(sim.linkPath());
        port.send(noise);
        port.send("$U0AI");
    }
    SerialEnd port(sim.linkPath());
    port.send("Q,SMM*43\r\n");
    EXPECT_EQ(port.readLine(), noMmsiReply);
    QFile transcript(file("transcript"));
    ASSERT_TRUE(transcript.open(QIODevice::ReadOnly));
    EXPECT_EQ(transcript.readAll().toStdString(), noise + smmQuery);
}

TEST_F(SimulatorProcess, SecondSimulatorTakesNextNumber) {
    SimProcess first(inFolder({}));
    SimProcess second(inFolder({}));
    EXPECT_EQ(first.linkName(), "ttySIM0");
    EXPECT_EQ(second.linkName(), "ttySIM1");
    SerialEnd port(second.linkPath());
    port.send(smmQuery);
    EXPECT_EQ(port.readLine(), noMmsiReply);
}

TEST_F(SimulatorProcess, ReplacesStaleLinkButKeepsLiveOne) {
    QDir().mkpath(folder());
    QFile::link(file("vanished"), folder() + "/ttySIM0");
    QFile::link("/dev/null", folder() + "/ttySIM1");
    {
        SimProcess stale(inFolder({}));
        EXPECT_EQ(stale.linkName(), "ttySIM0");
        SimProcess next(inFolder({}));
        EXPECT_EQ(next.linkName(), "ttySIM2");
    }
    EXPECT_EQ(QFileInfo(folder() + "/ttySIM1").symLinkTarget(), "/dev/null");
}

TEST_F(SimulatorProcess, DefaultFolderFollowsRuntimeDirectory) {
    const QString runtime = file("runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime);
    SimProcess sim({}, environment);
    EXPECT_EQ(sim.linkPath(), runtime + "/quorvane-sim/ttySIM0");
}

TEST_F(SimulatorProcess, GarbageModeAnswersWithNulAndHighBytes) {
    SimProcess sim(inFolder({"--garbage"}));
    SerialEnd port(sim.linkPath());
    port.send(smmQuery);
    const std::string bytes = port.readAtLeast(8);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_NE(bytes.find('\0'), std::string::npos);
    EXPECT_TRUE(std::any_of(bytes.begin(), bytes.end(),
                            [](char c) { return static_cast<unsigned char>(c) > 127; }));
}

struct ShapingCase {
    const char* title;
    QStringList arguments;
    std::chrono::milliseconds atLeast;
};

class ReplyShaping : public SimulatorProcess, public testing::WithParamInterface<ShapingCase> {};

// Only lower bounds are checked: a slow machine can make replies later, never earlier.
TEST_P(ReplyShaping, DeliversWholeReplyNoEarlierThanShapingAllows) {
    SimProcess sim(inFolder(GetParam().arguments));
    SerialEnd port(sim.linkPath());
    const auto start = std::chrono::steady_clock::now();
    port.send(smmQuery);
    EXPECT_EQ(port.readLine(), noMmsiReply);
    EXPECT_GE(std::chrono::steady_clock::now() - start, GetParam().atLeast);
}

// The 25-byte reply takes about 208 ms at 1200 baud; split into 5 pieces 10 ms apart, 40 ms.
INSTANTIATE_TEST_SUITE_P(
    Options, ReplyShaping,
    testing::Values(
        ShapingCase{"ReplyDelay", {"--reply-delay", "300"}, std::chrono::milliseconds(300)},
        ShapingCase{"Baud", {"--baud", "1200"}, std::chrono::milliseconds(180)},
        ShapingCase{"SplitReplies", {"--split-replies"}, std::chrono::milliseconds(35)}),
    [](const auto& info) { return info.param.title; });

} // namespace
