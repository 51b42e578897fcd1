#include "tests/support/PtyPeer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer() {
    masterFd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (masterFd_ < 0 || ::grantpt(masterFd_) != 0 || ::unlockpt(masterFd_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    devicePath_ = QString::fromLocal8Bit(::ptsname(masterFd_));
    slaveFd_ = ::open(::ptsname(masterFd_), O_RDWR | O_NOCTTY);
    termios raw{};
    if (slaveFd_ < 0 || ::tcgetattr(slaveFd_, &raw) != 0)
        throw std::runtime_error("pseudo-terminal slave not usable");
    ::cfmakeraw(&raw);
    ::tcsetattr(slaveFd_, TCSANOW, &raw);
    notifier_ = std::make_unique<QSocketNotifier>(masterFd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });
}

PtyPeer::~PtyPeer() {
    HangUp();
}

const QByteArray& PtyPeer::Received() {
    Drain();
    return received_;
}

bool PtyPeer::WaitForReceived(qsizetype count) {
    const QDeadlineTimer guard(10000);
    while (Received().size() < count && !guard.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return received_.size() >= count;
}

void PtyPeer::Send(const QByteArray& bytes) {
    qsizetype sent = 0;
    while (masterFd_ >= 0 && sent < bytes.size()) {
        const ssize_t n = ::write(masterFd_, bytes.constData() + sent, bytes.size() - sent);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw std::runtime_error("pseudo-terminal write failed");
    }
}

void PtyPeer::HangUp() {
    // The script may hang up from inside the notifier's own signal.
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_.release()->deleteLater();
    }
    if (masterFd_ >= 0)
        ::close(masterFd_);
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
    masterFd_ = slaveFd_ = -1;
}

int PtyPeer::BaudRate() const {
    termios line{};
    if (slaveFd_ < 0 || ::tcgetattr(slaveFd_, &line) != 0)
        return 0;
    switch (::cfgetospeed(&line)) {
    case B1200:
        return 1200;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}

void PtyPeer::Drain() {
    char chunk[4096];
    ssize_t n = 0;
    while (masterFd_ >= 0 && (n = ::read(masterFd_, chunk, sizeof chunk)) > 0) {
        const QByteArray bytes(chunk, n);
        received_ += bytes;
        if (OnReceive)
            OnReceive(bytes);
    }
}
