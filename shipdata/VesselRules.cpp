#include "shipdata/VesselRules.h"

#include "codec/IntText.h"

#include <algorithm>

const VesselTextRule CallSignRule = {
    7,
    QStringLiteral("Callsignは7文字までです。"),
    QStringLiteral("Callsignに使用できない文字が含まれています。"),
};

const VesselTextRule ShipNameRule = {
    20,
    QStringLiteral("船名は20文字までです。"),
    QStringLiteral("船名に使用できない文字が含まれています。"),
};

const QString SizeWarning = QStringLiteral("船舶の正しい大きさを設定してください。");

const QString VesselSetNotice = QStringLiteral("船舶情報を設定しました。");

namespace {

const QString ReservedCharacters = QStringLiteral(",*$!\\^~");

QString Escaped(QChar C) {
    return QStringLiteral("^%1").arg(C.unicode(), 2, 16, QChar(u'0')).toUpper();
}

} // namespace

bool FitsLength(const QString& text, const VesselTextRule& rule) {
    return text.size() <= rule.maxLength;
}

bool IsPrintableAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar C) { return C.unicode() >= 32 && C.unicode() <= 126; });
}

bool DistanceFits(const QString& distance, int limit) {
    return DigitsToInt(distance) <= limit;
}

QString EscapeReserved(const QString& text) {
    QString escaped;
    for (QChar C : text) {
        escaped += ReservedCharacters.contains(C) ? Escaped(C) : QString(C);
    }
    return escaped;
}

QString SsdBody(const VesselData& data) {
    QString body = QStringLiteral("$U0SSD,");
    for (const QString& field :
         {EscapeReserved(data.callSign), EscapeReserved(data.shipName), data.distances[0],
          data.distances[1], data.distances[2], data.distances[3]}) {
        body += field + u',';
    }
    return body + QStringLiteral(",AI");
}

QString VsdBody(const VesselData& data) {
    return QStringLiteral("$U0VSD,") + data.shipTypeRow.left(2) + QStringLiteral(",,,,,,,,");
}
