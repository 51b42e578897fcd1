#pragma once

#include "platform/TComPort.h"

#include <memory>

// Passes every operation on to a real serial port component and counts the traffic:
// the bytes written, the bytes read and the line ends (CR) among them, and the time
// spent in opening, closing, writing and querying the output queue.
class CountingComPort : public TComPort {
public:
    explicit CountingComPort(std::unique_ptr<TComPort> inner);

    void SetSettings(const TComPortSettings& settings) override;
    const TComPortSettings& Settings() const override { return inner_->Settings(); }
    void Open() override;
    void Close() override;
    bool Connected() const override { return inner_->Connected(); }
    void SetDTR(bool on) override { inner_->SetDTR(on); }
    void SetRTS(bool on) override { inner_->SetRTS(on); }
    int WriteStr(const QString& S) override;
    int OutputCount() override;
    int ReadStr(QString& RxS, int Count) override;

    void ResetCounts();

    qsizetype bytesWritten = 0;
    qsizetype bytesRead = 0;
    int linesRead = 0;
    double msInOpen = 0;
    double msInClose = 0;
    double msInWrite = 0;
    double msInOutputCount = 0;

private:
    std::unique_ptr<TComPort> inner_;
};
