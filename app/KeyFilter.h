#pragma once

#include <QChar>
#include <QString>

// The characters each entry box accepts when typed.
extern const QString AcceptStrN;   // digits
extern const QString AcceptStrAN;  // digits and capital letters
extern const QString AcceptStrANC; // codes 32 to 63 but "+", and 65 to 95

inline constexpr QChar Backspace = QChar(8);

// Key itself when it is in the set or is Backspace, else the code 0 (no character).
QChar KeyCheck(const QString& acceptSet, QChar Key);

// "a" to "z" become "A" to "Z"; every other character is left as it is.
QChar UpperCaseKey(QChar Key);
