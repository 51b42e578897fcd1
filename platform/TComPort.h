#pragma once

#include <QString>
#include <cstdint>
#include <functional>

enum class TParityBits { prNone, prOdd, prEven, prMark, prSpace };
enum class TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };

// The settings of a serial port component. Defaults are those of the window's layout.
struct TComPortSettings {
    QString Port = QStringLiteral("COM1");
    int32_t BaudRate = 9600;
    int DataBits = 8;
    TParityBits Parity = TParityBits::prNone;
    TStopBits StopBits = TStopBits::sbOneStopBit;
    bool XonXoffOut = false;
    bool XonXoffIn = false;
    bool OutCTSFlow = false;
    bool OutDSRFlow = false;
    int ReadTotalConstant = 0; // ms
};

// The serial port component the window owns: the one interface through which the
// window reaches the line and the line reports to the window. Every operation
// reports a failure by raising EComPort with the component's message.
class TComPort {
public:
    virtual ~TComPort() = default;

    // Takes effect at the next Open; on an open port at once, and a new Port
    // closes and reopens it. Setting what is already there does nothing.
    virtual void SetSettings(const TComPortSettings& settings) = 0;
    virtual const TComPortSettings& Settings() const = 0;

    // Opens the port exclusively with the settings; does nothing when open.
    virtual void Open() = 0;
    // Ends the delivery of received characters and closes; does nothing when closed.
    virtual void Close() = 0;
    virtual bool Connected() const = 0;

    virtual void SetDTR(bool on) = 0;
    virtual void SetRTS(bool on) = 0;

    // Writes one byte per character (its low 8 bits) and returns once the bytes
    // are with the driver. Returns the number of bytes written.
    virtual int WriteStr(const QString& S) = 0;
    // Bytes written but not yet sent by the driver.
    virtual int OutputCount() = 0;
    // Reads up to Count waiting bytes into RxS, one character per byte.
    virtual int ReadStr(QString& RxS, int Count) = 0;

    // Received characters are waiting: called on the UI thread, never with 0.
    std::function<void(int Count)> OnRxChar;
};
