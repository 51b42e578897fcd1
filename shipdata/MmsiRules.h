#pragma once

#include <QString>

enum class MmsiCheck { Acceptable, WrongLength, OutOfRange };

// Checks an MMSI text: nine characters, all decimal digits, a value from
// 200000000 to 799999999. Nine characters that are not all digits raise
// EConvertError.
MmsiCheck CheckMmsi(const QString& mmsi);

extern const QString MmsiLengthWarning;
extern const QString MmsiRangeWarning;
extern const QString MmsiFirstConfirmation;
QString MmsiSecondConfirmation(const QString& mmsi);
extern const QString MmsiSetNotice;

// Body of the sentence that writes the MMSI; its last field is a fixed "0".
QString MmsiBody(const QString& mmsi);
