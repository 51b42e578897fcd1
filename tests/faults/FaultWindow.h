#pragma once

#include "app/Form1.h"
#include "platform/MessageDlg.h"
#include "tests/support/PtyPeer.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/SimulatedUnitFolderScope.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

inline const QString UnitItem = QStringLiteral("Simulated AIS unit (ttySIM0)");
inline const QByteArray Queries = "$U0AIQ,SMM*43\r\n$U0AIQ,SSD*54\r\n$U0AIQ,VSD*51\r\n";
inline const QByteArray StaticData = "$AISSD,ABC1234,TEST SHIP@@@@@@@@@@@,010,5,2,3,0,AI*41\r\n";

// The complete sentence for a body: "*", the XOR of its characters after the "$"
// in two upper-case hexadecimal digits, CR LF.
QByteArray SentenceOf(const QByteArray& body);
// What a connect writes when the counter stands at `first`: the start-up
// configuration, then the three queries twice.
QByteArray ConnectTraffic(int first);
// The sentences of ConnectTraffic(first), one by one.
QList<QByteArray> ConnectSentences(int first);

// Processes window messages until `done` holds; false after the hang guard.
bool PumpUntil(const std::function<bool()>& done, int guardMs = 10000);

// This process's open descriptors of a device node (also once the node is gone).
int DescriptorsOf(const QString& device);

// A millisecond counter that moves only when the program sleeps, so that a test
// can act at a chosen sleep of a wait. Each WaitSlp(50) takes 51 sleeps: the
// first wait of a connect holds sleeps 1 to 51, the second 52 to 102, the third
// (port open) 103 to 153.
class SleepClock {
public:
    SleepClock();
    ~SleepClock();
    int sleeps = 0;
    std::function<void(int sleep)> onSleep;

private:
    uint32_t now_ = 5000;
};

// The real component, with an output queue that the driver empties slowly: after
// each write it reports bytes pending for `drainPolls` polls (after asking the
// real component, whose failures come first). Counts the deliveries of received
// characters.
class SlowDrainPort : public TComPort {
public:
    explicit SlowDrainPort(std::unique_ptr<TComPort> real);
    void SetSettings(const TComPortSettings& settings) override;
    const TComPortSettings& Settings() const override;
    void Open() override;
    void Close() override;
    bool Connected() const override;
    void SetDTR(bool on) override;
    void SetRTS(bool on) override;
    int WriteStr(const QString& S) override;
    int OutputCount() override;
    int ReadStr(QString& RxS, int Count) override;

    int drainPolls = 0;
    std::function<void(int poll)> onPendingPoll; // poll: counted from 1 over all writes
    int deliveries = 0;

private:
    std::unique_ptr<TComPort> real_;
    int pending_ = 0;
    int polls_ = 0;
};

// The window on its real serial port component; a pseudo-terminal plays the unit,
// chosen in the port list as the simulated unit ttySIM0. Dialogs are answered by
// `answer` (Yes to questions, OK otherwise) and recorded; error boxes are recorded.
class FaultWindow {
public:
    FaultWindow();
    ~FaultWindow();

    // The cable is pulled: the unit's end hangs up and its device is no longer
    // listed, so that a pseudo-terminal that later gets the same number is not it.
    void PullCable();
    // A fresh pseudo-terminal takes the place of the simulated unit.
    void Replug();
    // Clicks Connect and waits until the whole connect traffic has reached the unit.
    bool Connect();
    // The port component holds the line's device open.
    bool PortHoldsLine() const;
    // Closes and destroys the window, as the program does when its loop ends.
    void Destroy();

    QStringList SetAndReadEnabled() const;
    static void ClickSoon(QPushButton* button);

    SimulatedUnitFolderScope units;
    std::unique_ptr<PtyPeer> peer;
    QString device;
    SlowDrainPort* port;
    std::unique_ptr<TForm1> owner;
    TForm1& form;
    QStringList dialogs;
    QStringList errors;
    std::function<int(const MessageDlgRequest&)> answer;
};

// A dialog as the tests compare it.
QString Question(const QString& text);
QString Warning(const QString& text);
QString Information(const QString& text);
