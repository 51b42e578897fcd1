#include "codec/SequenceCounter.h"
#include "tests/faults/FaultWindow.h"
#include "tests/faults/Texts.h"

#include <QPushButton>
#include <QTimer>

// The operator closes the window while a handler is inside a wait or a dialog:
// the handler runs on to its end, and the port closes when the window is destroyed.

namespace {

// After the handler: the window is hidden but still holds the line; destroying
// it, as the program does once its loop has ended, lets go of the line.
void ExpectClosedWindowHoldsTheLineUntilDestroyed(FaultWindow& w) {
    EXPECT_FALSE(w.form.isVisible());
    EXPECT_TRUE(w.form.ComPort1->Connected());
    EXPECT_TRUE(w.PortHoldsLine());
    w.Destroy();
    EXPECT_FALSE(w.PortHoldsLine());
}

struct DialogClose {
    const char* name;
    bool mmsi;  // the MMSI Set button, else the ship data Set button
    int dialog; // the window closes while this dialog (from 1) is open
    int answer; // the answer to that dialog
};

class DialogCloseFault : public ::testing::TestWithParam<DialogClose> {
protected:
    DialogCloseFault() {
        EXPECT_TRUE(w.Connect());
        w.form.show();
        w.form.Edit111->setText(QStringLiteral("412345678"));
    }
    FaultWindow w;
};

TEST_P(DialogCloseFault, TheHandlerRunsToItsEnd) {
    const DialogClose& fault = GetParam();
    int shown = 0;
    w.answer = [&](const MessageDlgRequest& request) {
        const bool question = request.buttons & mbYes;
        if (++shown != fault.dialog)
            return question ? int(mrYes) : int(mrOk);
        w.form.close();
        return fault.answer;
    };
    const qsizetype before = w.peer->Received().size();
    const int32_t counter = SqId;
    (fault.mmsi ? w.form.Button111 : w.form.Button121)->click();

    QByteArray traffic;
    QStringList dialogs;
    // Each dialog before the one that closes the window is answered Yes.
    const bool sent = !fault.mmsi || fault.dialog == 3 || fault.answer == mrYes;
    if (fault.mmsi) {
        dialogs << Question(FirstConfirmation);
        if (fault.dialog > 1 || fault.answer == mrYes)
            dialogs << Question(SecondConfirmation(QStringLiteral("412345678")));
        if (sent) {
            dialogs << Information(MmsiNotice);
            traffic = SentenceOf("$PSMT,0,0,0,0,set_mmsi 412345678,0") + Queries;
        }
    } else {
        dialogs << Information(VesselNotice);
        traffic = SentenceOf("$U0SSD,,,0,0,0,0,,AI") + SentenceOf("$U0VSD,,,,,,,,,") + Queries;
    }
    ASSERT_TRUE(w.peer->WaitForReceived(before + traffic.size()));
    EXPECT_EQ(w.peer->Received().mid(before), traffic);
    EXPECT_EQ(w.dialogs, dialogs);
    EXPECT_EQ(SqId, counter + traffic.count("\r\n"));
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.form.Edit111->isEnabled(), !(fault.mmsi && sent));
    EXPECT_EQ(w.form.Button111->isEnabled(), !(fault.mmsi && sent));
    ExpectClosedWindowHoldsTheLineUntilDestroyed(w);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogCloseFault,
                         ::testing::Values(DialogClose{"FirstConfirmationYes", true, 1, mrYes},
                                           DialogClose{"FirstConfirmationNo", true, 1, mrNo},
                                           DialogClose{"SecondConfirmationYes", true, 2, mrYes},
                                           DialogClose{"SecondConfirmationClosed", true, 2,
                                                       mrCancel},
                                           DialogClose{"MmsiNotice", true, 3, mrOk},
                                           DialogClose{"VesselNotice", false, 1, mrOk}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Handler { Connect, ReadData, SetMmsi, SetVesselData };

struct DrainClose {
    const char* name;
    Handler handler;
    int poll; // the window closes at this drain poll of the handler's sentences
};

class DrainCloseFault : public ::testing::TestWithParam<DrainClose> {
protected:
    FaultWindow w;
};

// The driver empties its queue slowly; the window closes while the handler waits.
TEST_P(DrainCloseFault, TheHandlerSendsAllItsSentences) {
    const DrainClose& fault = GetParam();
    if (fault.handler != Handler::Connect) {
        ASSERT_TRUE(w.Connect());
    }
    w.form.show();
    w.form.Edit111->setText(QStringLiteral("412345678"));
    const qsizetype before = w.peer->Received().size();
    const int32_t counter = SqId;
    w.port->drainPolls = 1;
    w.port->onPendingPoll = [&](int poll) {
        if (poll == fault.poll)
            QMetaObject::invokeMethod(
                &w.form, [&] { w.form.close(); }, Qt::QueuedConnection);
    };
    QByteArray traffic;
    switch (fault.handler) {
    case Handler::Connect:
        traffic = ConnectTraffic(0);
        w.form.Button1->click();
        break;
    case Handler::ReadData:
        traffic = Queries + Queries;
        w.form.Button123->click();
        break;
    case Handler::SetMmsi:
        traffic = SentenceOf("$PSMT,0,0,0,0,set_mmsi 412345678,0") + Queries;
        w.form.Button111->click();
        break;
    case Handler::SetVesselData:
        traffic = SentenceOf("$U0SSD,,,0,0,0,0,,AI") + SentenceOf("$U0VSD,,,,,,,,,") + Queries;
        w.form.Button121->click();
        break;
    }
    ASSERT_TRUE(w.peer->WaitForReceived(before + traffic.size()));
    EXPECT_EQ(w.peer->Received().mid(before), traffic);
    EXPECT_EQ(SqId, counter + traffic.count("\r\n"));
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    ExpectClosedWindowHoldsTheLineUntilDestroyed(w);
}

INSTANTIATE_TEST_SUITE_P(
    Drains, DrainCloseFault,
    ::testing::Values(DrainClose{"ConnectFirstSentence", Handler::Connect, 1},
                      DrainClose{"ConnectLastQuery", Handler::Connect, 11},
                      DrainClose{"ReadDataFourthQuery", Handler::ReadData, 4},
                      DrainClose{"SetMmsiSentence", Handler::SetMmsi, 1},
                      DrainClose{"SetVesselDataStaticData", Handler::SetVesselData, 1},
                      DrainClose{"SetVesselDataVoyageData", Handler::SetVesselData, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct WaitClose {
    const char* name;
    int sleep; // a timer set at this sleep of the connect's waits closes the window
};

class WaitCloseFault : public ::testing::TestWithParam<WaitClose> {
protected:
    FaultWindow w;
    SleepClock clock;
};

TEST_P(WaitCloseFault, TheConnectRunsToItsEnd) {
    w.form.show();
    clock.onSleep = [&](int sleep) {
        if (sleep == GetParam().sleep)
            QTimer::singleShot(0, &w.form, [&] { w.form.close(); });
    };
    w.form.Button1->click();
    ASSERT_TRUE(w.peer->WaitForReceived(ConnectTraffic(0).size()));
    EXPECT_EQ(w.peer->Received(), ConnectTraffic(0));
    EXPECT_EQ(SqId, 11);
    EXPECT_TRUE(w.errors.isEmpty());
    EXPECT_EQ(w.form.Button1->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(w.SetAndReadEnabled().size(), 3);
    ExpectClosedWindowHoldsTheLineUntilDestroyed(w);
}

INSTANTIATE_TEST_SUITE_P(Waits, WaitCloseFault,
                         ::testing::Values(WaitClose{"FirstWait", 1}, WaitClose{"SecondWait", 52},
                                           WaitClose{"ThirdWait", 103},
                                           WaitClose{"LastSleep", 153}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
