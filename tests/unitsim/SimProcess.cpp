#include "tests/unitsim/SimProcess.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>
#include <utility>

SimProcess::SimProcess(const QStringList& arguments, const QProcessEnvironment& environment) {
    process_.setProcessEnvironment(environment);
    process_.start(QStringLiteral(UNITSIM_PATH), arguments);
    if (!process_.waitForStarted(hangGuardMs))
        throw std::runtime_error("simulator did not start");
    while (!process_.canReadLine() && process_.waitForReadyRead(hangGuardMs)) {
    }
    const QStringList words = QString::fromUtf8(process_.readLine()).trimmed().split(' ');
    if (words.size() != 4 || words[2] != "->")
        throw std::runtime_error("simulator announced no link: " +
                                 process_.readAllStandardError().toStdString());
    linkName_ = words[0];
    linkPath_ = words[1];
    device_ = words[3];
}

SimProcess::~SimProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished(hangGuardMs);
    }
}

void SimProcess::sendSignal(int signal) {
    ::kill(pid_t(process_.processId()), signal);
}

long SimProcess::cpuTicks() const {
    QFile stat(QString("/proc/%1/stat").arg(process_.processId()));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(stat.readAll());
    // Fields after the parenthesised name, counted from the state field: utime is 12th, stime 13th.
    const QStringList fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLong() + fields.value(12).toLong();
}

bool SimProcess::exitsCleanly() {
    return process_.waitForFinished(hangGuardMs) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

QByteArray SimProcess::standardError() {
    return process_.readAllStandardError();
}

SerialEnd::SerialEnd(const QString& path) {
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd_ < 0)
        throw std::runtime_error("cannot open " + path.toStdString());
    termios settings{};
    tcgetattr(fd_, &settings);
    cfmakeraw(&settings);
    cfsetspeed(&settings, B38400);
    tcsetattr(fd_, TCSANOW, &settings);
}

SerialEnd::~SerialEnd() {
    ::close(fd_);
}

void SerialEnd::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0)
            throw std::runtime_error("write failed");
        bytes.remove_prefix(std::size_t(written));
    }
}

std::string SerialEnd::readLine() {
    auto end = pending_.find("\r\n");
    while (end == std::string::npos && waitReadable())
        end = pending_.find("\r\n");
    if (end == std::string::npos)
        return std::exchange(pending_, {});
    std::string line = pending_.substr(0, end + 2);
    pending_.erase(0, end + 2);
    return line;
}

std::string SerialEnd::readAtLeast(std::size_t count) {
    while (pending_.size() < count && waitReadable()) {
    }
    return std::exchange(pending_, {});
}

bool SerialEnd::seesHangUp() {
    pollfd fd{fd_, POLLIN, 0};
    while (::poll(&fd, 1, hangGuardMs) > 0) {
        char byte;
        if ((fd.revents & POLLHUP) || ::read(fd_, &byte, 1) <= 0)
            return true;
    }
    return false;
}

bool SerialEnd::waitReadable() {
    pollfd fd{fd_, POLLIN, 0};
    if (::poll(&fd, 1, hangGuardMs) <= 0)
        return false;
    char buffer[256];
    const auto count = ::read(fd_, buffer, sizeof buffer);
    if (count <= 0)
        return false;
    pending_.append(buffer, std::size_t(count));
    return true;
}
