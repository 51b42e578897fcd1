#pragma once

#include <QString>
#include <cstdint>

// Reads a text as a signed 32-bit integer: optional blanks (spaces only, not
// tabs), one optional sign, ASCII decimal digits and nothing after them; no
// hexadecimal forms. Anything else, or a value out of range, raises
// EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const QString& S);

// The same test without the error: true and the value in `value` when it reads.
bool TryStrToInt(const QString& S, int32_t& value);

// The same for a text of ASCII decimal digits alone: a blank, a sign or any other
// character raises the same error.
int32_t DigitsToInt(const QString& S);
