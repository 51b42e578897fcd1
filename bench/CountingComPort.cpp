#include "bench/CountingComPort.h"

#include "bench/Figures.h"

namespace {

// Runs `operation`, adding the milliseconds it took to `total`.
template <typename Operation> auto Timed(double& total, Operation operation) {
    struct Adder {
        double& total;
        double start = NowMs();
        ~Adder() { total += NowMs() - start; }
    } adder{total};
    return operation();
}

} // namespace

CountingComPort::CountingComPort(std::unique_ptr<TComPort> inner) : inner_(std::move(inner)) {
    inner_->OnRxChar = [this](int Count) {
        if (OnRxChar)
            OnRxChar(Count);
    };
}

void CountingComPort::SetSettings(const TComPortSettings& settings) {
    inner_->SetSettings(settings);
}

void CountingComPort::Open() {
    Timed(msInOpen, [this] { inner_->Open(); });
}

void CountingComPort::Close() {
    Timed(msInClose, [this] { inner_->Close(); });
}

int CountingComPort::OutputCount() {
    return Timed(msInOutputCount, [this] { return inner_->OutputCount(); });
}

int CountingComPort::WriteStr(const QString& S) {
    const int written = Timed(msInWrite, [&] { return inner_->WriteStr(S); });
    bytesWritten += written;
    return written;
}

int CountingComPort::ReadStr(QString& RxS, int Count) {
    const int read = inner_->ReadStr(RxS, Count);
    bytesRead += read;
    linesRead += static_cast<int>(RxS.count(u'\r'));
    return read;
}

void CountingComPort::ResetCounts() {
    bytesWritten = 0;
    bytesRead = 0;
    linesRead = 0;
    msInOpen = 0;
    msInClose = 0;
    msInWrite = 0;
    msInOutputCount = 0;
}
