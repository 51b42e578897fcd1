#include "codec/Checksum.h"

#include <cstdint>

const QString HexTBL = QStringLiteral("0123456789ABCDEF");

namespace {

// The line carries the low byte of each character, so the checksum is taken
// over those bytes; this also keeps both digits inside HexTBL.
int32_t LineByte(QChar C) {
    return C.unicode() & 0xFF;
}

} // namespace

QString CalcCheckSum(const QString& S) {
    int32_t Sum = 0;
    for (qsizetype i = 1; i < S.size(); ++i) {
        Sum ^= LineByte(S[i]);
    }
    return QStringLiteral("*") + HexTBL[Sum / 16] + HexTBL[Sum % 16];
}
