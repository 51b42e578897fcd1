#pragma once

#include <QString>
#include <cstdint>

// Reads a text as a signed 32-bit integer: optional blanks, one optional sign,
// decimal digits and nothing after them. Anything else, or a value out of range,
// raises EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const QString& S);

// The same test without the error: true and the value in `value` when it reads.
bool TryStrToInt(const QString& S, int32_t& value);
