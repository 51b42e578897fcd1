#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The runtime folder that the simulated unit publishes its port in and that the
// program's port list looks into; both processes get it as XDG_RUNTIME_DIR.
class RuntimeFolder {
public:
    RuntimeFolder();
    QString path() const { return folder_.path(); }
    QString file(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
};

// quorvane-unitsim, recording every byte it receives and keeping its stored data.
class SimulatedUnit {
public:
    SimulatedUnit(const RuntimeFolder& runtime, const QStringList& storedData = {});
    ~SimulatedUnit();
    SimulatedUnit(const SimulatedUnit&) = delete;
    SimulatedUnit& operator=(const SimulatedUnit&) = delete;

    QByteArray transcript() const;
    QMap<QString, QString> state() const;

    // Polls until the transcript is at least as long as `expected`; then returns it.
    QByteArray waitForTranscript(const QByteArray& expected) const;
    // Polls until the stored value of `key` is `value`; then returns the whole state.
    QMap<QString, QString> waitForState(const QString& key, const QString& value) const;

private:
    QString transcriptPath_;
    QString statePath_;
    QProcess process_;
};

// The program as the operator starts it, on the given X display.
class Program {
public:
    Program(const RuntimeFolder& runtime, const QString& display);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Waits for the program to end; false when it still runs after the hang guard.
    bool waitForExit();
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }
    int exitCode() const { return process_.exitCode(); }
    QString output();

private:
    QProcess process_;
};
