#include "shipdata/DecimalRules.h"

#include "codec/IntText.h"
#include "platform/Exception.h"

#include <algorithm>

namespace {

bool AllDecimalDigits(const QString& S) {
    return std::all_of(S.begin(), S.end(), [](QChar C) { return C >= u'0' && C <= u'9'; });
}

} // namespace

int32_t DigitsToInt(const QString& S) {
    if (!AllDecimalDigits(S)) {
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    }
    return StrToInt(S);
}
