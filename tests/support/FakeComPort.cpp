#include "tests/support/FakeComPort.h"

#include "platform/Exception.h"

void FakeComPort::SetSettings(const TComPortSettings& settings) {
    settings_ = settings;
}

void FakeComPort::Open() {
    if (open_)
        return;
    if (openFailures > 0) {
        --openFailures;
        throw EComPort(QStringLiteral("Unable to open com port (Error: 2)"));
    }
    if (settings_.Port.isEmpty())
        throw EComPort(QStringLiteral("Unable to open com port (Error: 2)"));
    open_ = true;
    log << QStringLiteral("Open %1 %2").arg(settings_.Port).arg(settings_.BaudRate);
}

void FakeComPort::Close() {
    if (!open_)
        return;
    open_ = false;
    input_.clear();
    log << QStringLiteral("Close");
}

void FakeComPort::SetDTR(bool on) {
    log << (on ? QStringLiteral("DTR") : QStringLiteral("DTR off"));
}

void FakeComPort::SetRTS(bool on) {
    log << (on ? QStringLiteral("RTS") : QStringLiteral("RTS off"));
}

int FakeComPort::WriteStr(const QString& S) {
    if (!open_)
        throw EComPort(QStringLiteral("Port Not Open"));
    if (writesBeforeFailure >= 0 && writes_ >= writesBeforeFailure)
        throw EComPort(QStringLiteral("WriteFile function failed (Error: 5)"));
    ++writes_;
    QByteArray bytes;
    bytes.reserve(S.size());
    for (QChar c : S)
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
    written += bytes;
    log << QStringLiteral("Write %1").arg(bytes.size());
    pendingPolls_ = drainPolls;
    return static_cast<int>(bytes.size());
}

int FakeComPort::OutputCount() {
    if (pendingPolls_ == 0)
        return 0;
    --pendingPolls_;
    if (onDrainPoll)
        onDrainPoll();
    return 1;
}

int FakeComPort::ReadStr(QString& RxS, int Count) {
    if (!open_)
        throw EComPort(QStringLiteral("Port Not Open"));
    const QByteArray taken = input_.left(Count);
    input_.remove(0, taken.size());
    RxS.clear();
    for (char byte : taken)
        RxS.append(QChar(static_cast<uchar>(byte)));
    return static_cast<int>(taken.size());
}

void FakeComPort::Receive(const QByteArray& bytes) {
    input_ += bytes;
    if (open_ && OnRxChar && !input_.isEmpty())
        OnRxChar(static_cast<int>(input_.size()));
}
