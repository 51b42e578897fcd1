#include "app/KeyFilter.h"

namespace {

QString CharsInRange(char16_t first, char16_t last) {
    QString chars;
    for (char16_t code = first; code <= last; ++code) {
        chars.append(QChar(code));
    }
    return chars;
}

// Blank to "?" without "+", then "A" to "_": the at sign and "+" are the only
// characters from 32 to 95 the ship name box refuses.
QString ShipNameChars() {
    return CharsInRange(32, 42) + CharsInRange(44, 63) + CharsInRange(65, 95);
}

} // namespace

const QString AcceptStrN = QStringLiteral("0123456789");
const QString AcceptStrAN = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString AcceptStrANC = ShipNameChars();

QChar KeyCheck(const QString& acceptSet, QChar Key) {
    if (Key == Backspace || acceptSet.contains(Key)) {
        return Key;
    }
    return QChar(0);
}

QChar UpperCaseKey(QChar Key) {
    const char16_t code = Key.unicode();
    if (code >= 97 && code <= 122) {
        return QChar(static_cast<char16_t>(code & 0xFFDF));
    }
    return Key;
}
