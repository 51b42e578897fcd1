#include "codec/IntText.h"

#include "platform/Exception.h"

#include <algorithm>
#include <limits>

namespace {

qsizetype SkipBlanks(const QString& S) {
    qsizetype i = 0;
    while (i < S.size() && S[i] == u' ') {
        ++i;
    }
    return i;
}

bool IsDecimalDigit(QChar C) {
    return C >= u'0' && C <= u'9';
}

[[noreturn]] void RaiseConvertError(const QString& S) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
}

} // namespace

bool TryStrToInt(const QString& S, int32_t& value) {
    qsizetype i = SkipBlanks(S);
    const bool negative = i < S.size() && S[i] == u'-';
    if (i < S.size() && (S[i] == u'-' || S[i] == u'+')) {
        ++i;
    }
    if (i == S.size()) {
        return false;
    }
    // Accumulate the magnitude in 64 bits so that -2147483648 reads too.
    const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
    int64_t magnitude = 0;
    for (; i < S.size(); ++i) {
        if (!IsDecimalDigit(S[i])) {
            return false;
        }
        magnitude = magnitude * 10 + (S[i].unicode() - u'0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

int32_t StrToInt(const QString& S) {
    int32_t value = 0;
    if (!TryStrToInt(S, value)) {
        RaiseConvertError(S);
    }
    return value;
}

int32_t DigitsToInt(const QString& S) {
    if (!std::all_of(S.begin(), S.end(), IsDecimalDigit)) {
        RaiseConvertError(S);
    }
    return StrToInt(S);
}
