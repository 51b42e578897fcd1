#pragma once

#include "platform/TComPort.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

// Stands in for the serial port component: records what the window does to the
// line, and lets a test deliver received bytes and make operations fail.
class FakeComPort : public TComPort {
public:
    void SetSettings(const TComPortSettings& settings) override;
    const TComPortSettings& Settings() const override { return settings_; }
    void Open() override;
    void Close() override;
    bool Connected() const override { return open_; }
    void SetDTR(bool on) override;
    void SetRTS(bool on) override;
    int WriteStr(const QString& S) override;
    int OutputCount() override;
    int ReadStr(QString& RxS, int Count) override;

    // Delivers bytes as the line would: queued, then OnRxChar with the count waiting.
    void Receive(const QByteArray& bytes);

    QByteArray written;           // every byte written, in order
    QStringList log;              // "Open 1200", "Close", "DTR", "RTS", "Write <n>" ...
    int openFailures = 0;         // the next n calls of Open fail as a missing port does
    int writesBeforeFailure = -1; // fail every write after this many; -1: never
    int drainPolls = 0;           // OutputCount reports bytes pending this many times per write
    std::function<void()> onDrainPoll; // runs at each OutputCount poll that reports bytes pending

private:
    TComPortSettings settings_;
    bool open_ = false;
    int writes_ = 0;
    int pendingPolls_ = 0;
    QByteArray input_;
};
