#pragma once

#include <QString>
#include <cstdint>

// Reads a text made of ASCII decimal digits alone as a signed 32-bit integer.
// A blank, a sign or any other character, an empty text or a value beyond the
// range raise EConvertError "'<text>' is not a valid integer value", as the
// general conversion does for what it refuses.
int32_t DigitsToInt(const QString& S);
