#include "tests/e2e/Processes.h"

#include "tests/e2e/Desktop.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>
#include <stdexcept>

namespace {

constexpr unsigned long pollPauseMs = 50;
const int hangGuardMs = int(hangGuard.count());

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(hangGuardMs)) {
        process.kill();
        process.waitForFinished(hangGuardMs);
    }
}

} // namespace

RuntimeFolder::RuntimeFolder() {
    // QTemporaryDir makes the folder private (0700), as a runtime folder must be.
    if (!folder_.isValid())
        fail("no temporary folder");
}

SimulatedUnit::SimulatedUnit(const RuntimeFolder& runtime, const QStringList& storedData)
    : transcriptPath_(runtime.file("transcript")), statePath_(runtime.file("state")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    process_.setProcessEnvironment(environment);
    process_.start(QStringLiteral(QUORVANE_UNITSIM),
                   QStringList{"--transcript", transcriptPath_, "--state", statePath_} +
                       storedData);
    // The unit names its port once the link is published.
    const QDeadlineTimer deadline(hangGuard);
    QByteArray output;
    while (!output.contains('\n')) {
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
            fail("the simulated unit does not start: " +
                 QString::fromLocal8Bit(process_.readAllStandardError()));
        process_.waitForReadyRead(100);
        output += process_.readAllStandardOutput();
    }
    if (!output.startsWith("ttySIM0 "))
        fail("the simulated unit publishes another port: " + QString::fromLocal8Bit(output));
}

SimulatedUnit::~SimulatedUnit() {
    stop(process_);
}

QByteArray SimulatedUnit::transcript() const {
    return readFile(transcriptPath_);
}

QMap<QString, QString> SimulatedUnit::state() const {
    QMap<QString, QString> result;
    for (const QByteArray& line : readFile(statePath_).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            result.insert(QString::fromUtf8(line.left(equals)),
                          QString::fromUtf8(line.mid(equals + 1)));
    }
    return result;
}

QByteArray SimulatedUnit::waitForTranscript(const QByteArray& expected) const {
    const QDeadlineTimer deadline(hangGuard);
    QByteArray bytes = transcript();
    while (bytes.size() < expected.size() && !deadline.hasExpired()) {
        QThread::msleep(pollPauseMs);
        bytes = transcript();
    }
    return bytes;
}

QMap<QString, QString> SimulatedUnit::waitForState(const QString& key, const QString& value) const {
    const QDeadlineTimer deadline(hangGuard);
    QMap<QString, QString> stored = state();
    while (stored.value(key) != value && !deadline.hasExpired()) {
        QThread::msleep(pollPauseMs);
        stored = state();
    }
    return stored;
}

Program::Program(const RuntimeFolder& runtime, const QString& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("DISPLAY", display);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.remove("WAYLAND_DISPLAY");
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QStringLiteral(QUORVANE_PROGRAM), QStringList{});
    if (!process_.waitForStarted(hangGuardMs))
        fail("the program does not start");
}

Program::~Program() {
    stop(process_);
}

bool Program::waitForExit() {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(hangGuardMs);
}

QString Program::output() {
    return QString::fromLocal8Bit(process_.readAll());
}
