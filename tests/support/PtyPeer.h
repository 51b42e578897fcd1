#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

// The far end of a serial line for tests: a pseudo-terminal in raw mode. The code
// under test opens DevicePath() as its serial port; the test drives the master
// side: it sees every byte written to the line, answers, or hangs up.
//
// Bytes from the line are gathered on the UI thread (a socket notifier), so they
// arrive whenever the event loop runs: inside the program's waits as well.
class PtyPeer {
public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // The slave device, /dev/pts/N.
    const QString& DevicePath() const { return devicePath_; }

    // Everything the program has written so far, in order.
    const QByteArray& Received();
    // Processes events until at least `count` bytes have come; false after the
    // hang guard of 10 s.
    bool WaitForReceived(qsizetype count);

    // Sends bytes to the program, as the unit would.
    void Send(const QByteArray& bytes);

    // Runs on the UI thread with each chunk as it arrives: the peer's script.
    std::function<void(const QByteArray& chunk)> OnReceive;

    // Closes the master: the line is gone, as when a USB cable is pulled.
    void HangUp();
    bool HungUp() const { return masterFd_ < 0; }

    // The line speed the program has set, in baud (0 when not a common rate).
    int BaudRate() const;

private:
    void Drain();

    int masterFd_ = -1;
    int slaveFd_ = -1; // kept open so the master never sees EIO while the program is closed
    QString devicePath_;
    QByteArray received_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
