#include "platform/SerialComPort.h"

#include "platform/Exception.h"
#include "platform/SerialPortList.h"

#include <QSerialPort>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#endif

namespace {

[[noreturn]] void Raise(const char* step, int code) {
    throw EComPort(QStringLiteral("%1 (Error: %2)").arg(QLatin1String(step)).arg(code));
}

[[noreturn]] void RaiseNotOpen() {
    throw EComPort(QStringLiteral("Port Not Open"));
}

// A simulated unit is reached through its pseudo-terminal; any other name is left
// to Qt, which puts /dev/ before it on Unix and takes it as it stands on Windows.
QString DeviceOf(const QString& portName) {
    const QString simulated = SimulatedUnitDevice(portName);
    return simulated.isEmpty() ? portName : simulated;
}

// One byte per character: its low 8 bits, without any code-page conversion.
QByteArray LowBytes(const QString& S) {
    QByteArray bytes;
    bytes.reserve(S.size());
    for (QChar c : S)
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
    return bytes;
}

QSerialPort::Parity ParityOf(TParityBits parity) {
    switch (parity) {
    case TParityBits::prOdd:
        return QSerialPort::OddParity;
    case TParityBits::prEven:
        return QSerialPort::EvenParity;
    case TParityBits::prMark:
        return QSerialPort::MarkParity;
    case TParityBits::prSpace:
        return QSerialPort::SpaceParity;
    case TParityBits::prNone:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits StopBitsOf(TStopBits stopBits) {
    switch (stopBits) {
    case TStopBits::sbOne5StopBits:
        return QSerialPort::OneAndHalfStop;
    case TStopBits::sbTwoStopBits:
        return QSerialPort::TwoStop;
    case TStopBits::sbOneStopBit:
        break;
    }
    return QSerialPort::OneStop;
}

QSerialPort::FlowControl FlowControlOf(const TComPortSettings& settings) {
    if (settings.XonXoffOut || settings.XonXoffIn)
        return QSerialPort::SoftwareControl;
    return settings.OutCTSFlow ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl;
}

bool ApplyLineSettings(QSerialPort& port, const TComPortSettings& settings) {
    return port.setBaudRate(settings.BaudRate) &&
           port.setDataBits(static_cast<QSerialPort::DataBits>(settings.DataBits)) &&
           port.setParity(ParityOf(settings.Parity)) &&
           port.setStopBits(StopBitsOf(settings.StopBits)) &&
           port.setFlowControl(FlowControlOf(settings));
}

enum class ModemLine { DTR, RTS };

#ifdef Q_OS_UNIX
// Raises or lowers a modem-control line; the errno of a failure, or 0. A device
// without such lines (a pseudo-terminal) answers ENOTTY or EINVAL: nothing to do.
int SetModemLine(QSerialPort& port, ModemLine line, bool on) {
    int bits = line == ModemLine::DTR ? TIOCM_DTR : TIOCM_RTS;
    if (::ioctl(port.handle(), on ? TIOCMBIS : TIOCMBIC, &bits) == 0)
        return 0;
    return errno == ENOTTY || errno == EINVAL ? 0 : errno;
}

// The driver's own output queue; Qt's bytesToWrite counts only Qt's buffer.
int DriverOutputQueue(QSerialPort& port, int& queued) {
    return ::ioctl(port.handle(), TIOCOUTQ, &queued) == 0 ? 0 : errno;
}
#else
int SetModemLine(QSerialPort& port, ModemLine line, bool on) {
    const bool done =
        line == ModemLine::DTR ? port.setDataTerminalReady(on) : port.setRequestToSend(on);
    return done ? 0 : EIO;
}

int DriverOutputQueue(QSerialPort& port, int& queued) {
    queued = static_cast<int>(port.bytesToWrite());
    return 0;
}
#endif

class SerialComPort final : public TComPort {
public:
    SerialComPort() {
        QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { PostDelivery(); });
        QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                         [this](QSerialPort::SerialPortError error) { NoteError(error); });
    }
    ~SerialComPort() override { Close(); }

    void SetSettings(const TComPortSettings& settings) override {
        ForgetStaleErrno();
        const bool newPort = settings.Port != settings_.Port;
        settings_ = settings;
        if (!open_)
            return;
        if (newPort) {
            Close();
            Open();
        } else if (!ApplyLineSettings(port_, settings_)) {
            Raise("SetCommState function failed", lastErrno_);
        }
    }
    const TComPortSettings& Settings() const override { return settings_; }

    void Open() override {
        if (open_)
            return;
        ForgetStaleErrno();
        if (settings_.Port.isEmpty())
            Raise("Unable to open com port", ENOENT);
        port_.setPortName(DeviceOf(settings_.Port));
        if (!port_.open(QIODevice::ReadWrite))
            Raise("Unable to open com port", OpenFailureCode());
        // DTR and RTS take no part in flow control: off until the program raises them.
        int failure = ApplyLineSettings(port_, settings_) ? 0 : lastErrno_;
        failure = failure ? failure : SetModemLine(port_, ModemLine::DTR, false);
        failure = failure ? failure : SetModemLine(port_, ModemLine::RTS, false);
        if (failure != 0) {
            port_.close();
            Raise("SetCommState function failed", failure);
        }
        open_ = true;
        lineLoss_ = 0;
    }

    void Close() override {
        if (!open_)
            return;
        open_ = false;
        lineLoss_ = 0;
        if (port_.isOpen()) {
            port_.clear(QSerialPort::Input);
            port_.close();
        }
    }

    bool Connected() const override { return open_; }

    void SetDTR(bool on) override { RaiseModemLine(ModemLine::DTR, on); }
    void SetRTS(bool on) override { RaiseModemLine(ModemLine::RTS, on); }

    int WriteStr(const QString& S) override {
        RequireLine("WriteFile function failed");
        ForgetStaleErrno();
        const QByteArray bytes = LowBytes(S);
        if (port_.write(bytes) != bytes.size())
            Raise("WriteFile function failed", lastErrno_);
        // The component's default write time-out: 100 ms per byte plus 1000 ms.
        const int timeout = 100 * static_cast<int>(bytes.size()) + 1000;
        while (port_.bytesToWrite() > 0) {
            if (!port_.waitForBytesWritten(timeout))
                Raise("WriteFile function failed", lastErrno_);
        }
        return static_cast<int>(bytes.size());
    }

    int OutputCount() override {
        RequireControllableLine("ClearCommError function failed");
        int queued = 0;
        if (const int failure = DriverOutputQueue(port_, queued))
            Raise("ClearCommError function failed", failure);
        return queued;
    }

    int ReadStr(QString& RxS, int Count) override {
        RequireLine("ReadFile function failed");
        RxS = QString::fromLatin1(port_.read(Count));
        return static_cast<int>(RxS.size());
    }

private:
    // errno tells only of the call that failed last; Qt reports some failures (a read
    // at end of file) without one, and those must not show an older code.
    static void ForgetStaleErrno() { errno = 0; }

    void RequireLine(const char* step) const {
        if (!open_)
            RaiseNotOpen();
        if (lineLoss_ != 0)
            Raise(step, lineLoss_);
    }

    // The device's own controls on a closed port fail as a closed handle does.
    void RequireControllableLine(const char* step) const {
        if (!open_)
            Raise(step, EBADF);
        if (lineLoss_ != 0)
            Raise(step, lineLoss_);
    }

    void RaiseModemLine(ModemLine line, bool on) {
        RequireControllableLine("EscapeCommFunction function failed");
        if (const int failure = SetModemLine(port_, line, on))
            Raise("EscapeCommFunction function failed", failure);
    }

    int OpenFailureCode() const {
        switch (port_.error()) {
        case QSerialPort::DeviceNotFoundError:
            return ENOENT;
        case QSerialPort::PermissionError: // held by another program, or not allowed
            return EACCES;
        default:
            return lastErrno_;
        }
    }

    // Qt reports NoError too, and some failures twice: only a real error counts,
    // and a lost line is noted once.
    void NoteError(QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError)
            return;
        lastErrno_ = error == QSerialPort::TimeoutError ? ETIMEDOUT : (errno != 0 ? errno : EIO);
        const bool lineGone =
            error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
        if (open_ && lineLoss_ == 0 && lineGone) {
            lineLoss_ = EIO;
            QMetaObject::invokeMethod(
                &port_, [this] { ReleaseLostLine(); }, Qt::QueuedConnection);
        }
    }

    // A hung-up device keeps signalling that it can be read and written; only
    // closing it ends that. Deferred, since Qt reports the loss from inside its
    // own notifier, which closing deletes.
    void ReleaseLostLine() {
        if (lineLoss_ != 0 && port_.isOpen())
            port_.close();
    }

    // Delivered through the event loop, so that nothing is handed over while a
    // write blocks and the handler sees all bytes that came in the meantime.
    void PostDelivery() {
        if (deliveryPosted_)
            return;
        deliveryPosted_ = true;
        QMetaObject::invokeMethod(
            &port_, [this] { Deliver(); }, Qt::QueuedConnection);
    }

    void Deliver() {
        deliveryPosted_ = false;
        const qint64 waiting = open_ && port_.isOpen() ? port_.bytesAvailable() : 0;
        if (waiting > 0 && OnRxChar)
            OnRxChar(static_cast<int>(waiting));
    }

    QSerialPort port_;
    TComPortSettings settings_;
    bool open_ = false;
    int lineLoss_ = 0; // errno of a line lost while open: every later operation fails with it
    int lastErrno_ = EIO;
    bool deliveryPosted_ = false;
};

} // namespace

std::unique_ptr<TComPort> CreateSerialComPort() {
    return std::make_unique<SerialComPort>();
}
