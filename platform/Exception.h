#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// An error raised by the runtime, the port component or the device enumeration.
// Its message is what the error box shows.
class Exception : public std::exception {
public:
    explicit Exception(const QString& message) : message_(message), utf8_(message.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A text that cannot be read as a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A failure of the serial port component.
class EComPort : public Exception {
public:
    using Exception::Exception;
};
