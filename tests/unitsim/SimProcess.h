#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

// Generous guard against hangs; no test relies on it as a measure of speed.
inline constexpr int hangGuardMs = 10000;

// A running quorvane-unitsim and the port link it announced.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments, const QProcessEnvironment& environment =
                                                          QProcessEnvironment::systemEnvironment());
    ~SimProcess();

    const QString& linkName() const { return linkName_; }
    const QString& linkPath() const { return linkPath_; }
    const QString& device() const { return device_; }
    void sendSignal(int signal);
    // Processor time used so far, user and system, in clock ticks.
    long cpuTicks() const;
    // Waits for the end; true when it exited normally with code 0.
    bool exitsCleanly();
    QByteArray standardError();

private:
    QProcess process_;
    QString linkName_;
    QString linkPath_;
    QString device_;
};

// The program's end of the line: the link opened like a serial port in raw mode.
class SerialEnd {
public:
    explicit SerialEnd(const QString& path);
    ~SerialEnd();
    SerialEnd(const SerialEnd&) = delete;
    SerialEnd& operator=(const SerialEnd&) = delete;

    void send(std::string_view bytes);
    // Everything up to and including the next CR LF; what was read so far on a hang guard.
    std::string readLine();
    // At least count bytes, or what came before the hang guard.
    std::string readAtLeast(std::size_t count);
    // True once the far side has hung up.
    bool seesHangUp();

private:
    bool waitReadable();

    int fd_ = -1;
    std::string pending_;
};
