#pragma once

#include <QString>

// The 16 checksum digits; the digit for the value v is the character at position v.
extern const QString HexTBL;

// The checksum text for a sentence body: "*" and two upper-case hexadecimal
// digits of the XOR of every character after the first.
QString CalcCheckSum(const QString& S);
