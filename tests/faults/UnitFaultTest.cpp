#include "codec/LineAssembler.h"
#include "codec/SequenceCounter.h"
#include "tests/faults/FaultWindow.h"
#include "tests/faults/Texts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <atomic>
#include <thread>

// The unit misbehaves: it never answers, answers only garbage, or sends a line
// without end.

namespace {

// What the boxes of the window hold, to compare before and after.
struct Boxes {
    explicit Boxes(const TForm1& form)
        : texts{form.Edit111->text(), form.Edit121->text(), form.Edit122->text(),
                form.Edit131->text(), form.Edit132->text(), form.Edit133->text(),
                form.Edit134->text()},
          shipType(form.ComboBox123->currentIndex()), mmsiEnabled(form.Edit111->isEnabled()) {}
    bool operator==(const Boxes&) const = default;

    QStringList texts;
    int shipType;
    bool mmsiEnabled;
};

void PrintTo(const Boxes& boxes, std::ostream* os) {
    *os << boxes.texts.join(u'|').toStdString() << " type " << boxes.shipType
        << (boxes.mmsiEnabled ? " mmsi enabled" : " mmsi disabled");
}

void FillBoxes(TForm1& form) {
    form.Edit121->setText(QStringLiteral("KEEP"));
    form.Edit122->setText(QStringLiteral("OLD NAME"));
    form.Edit131->setText(QStringLiteral("11"));
    form.Edit132->setText(QStringLiteral("12"));
    form.Edit133->setText(QStringLiteral("13"));
    form.Edit134->setText(QStringLiteral("14"));
    form.ComboBox123->setCurrentIndex(3);
}

enum class Operation { Connect, ReadData, SetMmsi, SetVesselData };

struct SilentCase {
    const char* name;
    Operation operation;
};

class SilentUnitFault : public ::testing::TestWithParam<SilentCase> {
protected:
    FaultWindow w;
};

// Nothing waits for an answer: each handler returns with its sentences sent, and
// the boxes keep what they held (an MMSI just written keeps its box locked).
TEST_P(SilentUnitFault, HandlersRunToTheirEndAndTheBoxesStay) {
    const Operation operation = GetParam().operation;
    FillBoxes(w.form);
    if (operation != Operation::Connect) {
        ASSERT_TRUE(w.Connect());
    }
    w.form.Edit111->setText(QStringLiteral("300000000"));
    Boxes expected(w.form);
    const qsizetype before = w.peer->Received().size();
    QByteArray traffic;
    QStringList dialogs;
    switch (operation) {
    case Operation::Connect:
        traffic = ConnectTraffic(0);
        w.form.Button1->click();
        break;
    case Operation::ReadData:
        traffic = Queries + Queries;
        w.form.Button123->click();
        break;
    case Operation::SetMmsi:
        traffic = SentenceOf("$PSMT,0,0,0,0,set_mmsi 300000000,0") + Queries;
        dialogs = QStringList{Question(FirstConfirmation),
                              Question(SecondConfirmation(QStringLiteral("300000000"))),
                              Information(MmsiNotice)};
        expected.mmsiEnabled = false;
        w.form.Button111->click();
        break;
    case Operation::SetVesselData:
        traffic = SentenceOf("$U0SSD,KEEP,OLD NAME,11,12,13,14,,AI") +
                  SentenceOf("$U0VSD,33,,,,,,,,") + Queries;
        dialogs = QStringList{Information(VesselNotice)};
        w.form.Button121->click();
        break;
    }
    ASSERT_TRUE(w.peer->WaitForReceived(before + traffic.size()));
    EXPECT_EQ(w.peer->Received().mid(before), traffic);
    EXPECT_EQ(w.dialogs, dialogs);
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(Boxes(w.form), expected);
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(w.SetAndReadEnabled(),
              operation == Operation::SetMmsi
                  ? QStringList({QStringLiteral("Button121"), QStringLiteral("Button123")})
                  : QStringList({QStringLiteral("Button111"), QStringLiteral("Button121"),
                                 QStringLiteral("Button123")}));
    EXPECT_TRUE(ReceiveData.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Handlers, SilentUnitFault,
                         ::testing::Values(SilentCase{"Connect", Operation::Connect},
                                           SilentCase{"ReadData", Operation::ReadData},
                                           SilentCase{"SetMmsi", Operation::SetMmsi},
                                           SilentCase{"SetVesselData", Operation::SetVesselData}),
                         [](const auto& info) { return std::string(info.param.name); });

QByteArray Bytes(int from, int to) {
    QByteArray bytes;
    for (int b = from; b <= to; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

// Every byte value, in a scrambled but fixed order.
QByteArray Scrambled() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>((i * 167 + 13) % 256));
    return bytes;
}

struct Garbage {
    const char* name;
    QByteArray bytes;
};

// Garbage ends without CR in a tail that stays in the line being received.
const QByteArray Tail("\xff\x00~\x80", 4);

class GarbageFault : public ::testing::TestWithParam<Garbage> {
protected:
    FaultWindow w;
};

TEST_P(GarbageFault, AnswersToTheQueriesAreIgnoredAndAGoodLineIsThenDecoded) {
    const QByteArray garbage = GetParam().bytes + Tail;
    int answered = 0;
    w.peer->OnReceive = [&](const QByteArray& chunk) {
        for (qsizetype n = chunk.count("$U0AIQ"); n > 0; --n, ++answered)
            w.peer->Send(garbage);
    };
    const Boxes expected(w.form);
    ASSERT_TRUE(w.Connect());
    // What stays of six answers: the characters after the last CR, LF dropped,
    // every byte the character of its code, NUL included.
    const QByteArray all = garbage.repeated(6);
    QString pending = QString::fromLatin1(all.mid(all.lastIndexOf('\r') + 1));
    pending.remove(u'\n');
    ASSERT_TRUE(PumpUntil([&] { return answered == 6 && ReceiveData == pending; }));

    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.peer->Received(), ConnectTraffic(0)); // nothing sent in reply
    EXPECT_EQ(Boxes(w.form), expected);
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
    EXPECT_TRUE(w.PortHoldsLine());

    w.peer->Send("\r\n" + StaticData);
    ASSERT_TRUE(PumpUntil([&] { return w.form.Edit134->text() == QLatin1String("3"); }));
    EXPECT_EQ(w.form.Edit121->text(), QStringLiteral("ABC1234"));
    EXPECT_EQ(w.form.Edit122->text(), QStringLiteral("TEST SHIP"));
    EXPECT_EQ(w.form.Edit131->text(), QStringLiteral("10"));
    EXPECT_TRUE(ReceiveData.isEmpty());
    EXPECT_EQ(w.peer->Received(), ConnectTraffic(0));
    EXPECT_TRUE(w.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, GarbageFault,
    ::testing::Values(
        Garbage{"NulBytes", QByteArray(300, '\0')},
        Garbage{"HighBytes", Bytes(128, 255).repeated(3)},
        Garbage{"EveryByteScrambled", Scrambled().repeated(4)},
        Garbage{"HighByteLines", (Bytes(128, 200) + "\r\n" + Bytes(201, 255) + "\r").repeated(3)},
        Garbage{"NearMissReplies",
                QByteArrayLiteral("$aissd,X,Y,1,2,3,4,0,AI*00\r\n $AISSD,X,Y,1,2,3,4\r\n"
                                  "$AISSD ,X,Y,1,2,3,4\r\n$AIS\0MM,1,2,200000000\r\n"
                                  "$AIVSD,\xff\x80,,\r\n$AIVSD,\r\n$AISMM\xe9,,,777777777\r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

// Processes window messages as they come, without pausing in between.
bool PumpBusyUntil(const std::function<bool()>& done, int guardMs) {
    const QDeadlineTimer guard(guardMs);
    while (!done() && !guard.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// Sends from a thread of its own, so that the window reads while the unit writes.
// Ends only when all is sent, handling window messages meanwhile.
class UnitSender {
public:
    UnitSender(PtyPeer& peer, QByteArray bytes)
        : bytes_(std::move(bytes)), thread_([this, &peer] {
              constexpr qsizetype Piece = 65536;
              for (qsizetype at = 0; at < bytes_.size() && !stop_; at += Piece)
                  peer.Send(bytes_.mid(at, Piece));
              done_ = true;
          }) {}
    ~UnitSender() {
        stop_ = true;
        while (!done_)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        thread_.join();
    }

private:
    QByteArray bytes_;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> done_ = false;
    std::thread thread_;
};

TEST(LongLineFault, SixteenMebibytesWithoutCrLeaveTheWindowResponsive) {
    FaultWindow w;
    ASSERT_TRUE(w.Connect());
    FillBoxes(w.form);
    const int deliveriesBefore = w.port->deliveries;
    constexpr qsizetype Size = 16 * 1024 * 1024;
    const QByteArray line = QByteArray("$GPXXX,0123456789ABCD").repeated(Size / 22 + 1).left(Size);

    UnitSender unit(*w.peer, line + "\r\n" + StaticData);

    // Between two pieces of the line the event loop handles everything else.
    ASSERT_TRUE(PumpBusyUntil([] { return !ReceiveData.isEmpty(); }, 60000));
    qsizetype receivedWhenPosted = -1;
    QMetaObject::invokeMethod(
        &w.form, [&] { receivedWhenPosted = ReceiveData.size(); }, Qt::QueuedConnection);
    FaultWindow::ClickSoon(w.form.Button122);
    ASSERT_TRUE(PumpBusyUntil(
        [&] { return receivedWhenPosted >= 0 && w.form.Edit121->text().isEmpty(); }, 60000));
    EXPECT_LT(receivedWhenPosted, Size);
    EXPECT_EQ(w.form.ComboBox123->currentIndex(), 7);
    EXPECT_TRUE(w.form.Edit131->text().isEmpty());

    ASSERT_TRUE(
        PumpBusyUntil([&] { return w.form.Edit121->text() == QLatin1String("ABC1234"); }, 120000));
    EXPECT_EQ(w.form.Edit134->text(), QStringLiteral("3"));
    EXPECT_GT(w.port->deliveries - deliveriesBefore, 2);
    EXPECT_TRUE(ReceiveData.isEmpty());
    EXPECT_EQ(w.peer->Received(), ConnectTraffic(0));
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
}

} // namespace
