#pragma once

#include <QString>

// The 16 checksum digits; the digit for the value v is the character at position v.
extern const QString HexTBL;

// The checksum text for a sentence body: "*" and two upper-case hexadecimal
// digits of the XOR of every character after the first. Each character counts
// with its low 8 bits, the byte that goes on the line.
QString CalcCheckSum(const QString& S);
