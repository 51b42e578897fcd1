#include "fuzz/ReceiveModel.h"

namespace {

constexpr int DefaultRow = 7;

bool IsDigit(QChar C) {
    return C >= u'0' && C <= u'9';
}

// Hexadecimal forms and tabs may or may not be read; the rules leave it open.
bool ReadingOpen(const QString& S) {
    for (QChar C : S) {
        if (C == u'$' || C == u'x' || C == u'X' || C == u'\t')
            return true;
    }
    return false;
}

Reading ReadDigits(const QString& S, qsizetype at, bool negative, qint64& value) {
    if (at >= S.size())
        return Reading::Refused;
    value = 0;
    for (; at < S.size(); ++at) {
        if (!IsDigit(S[at]))
            return Reading::Refused;
        value = value * 10 + (S[at].unicode() - u'0');
        if (value > 2147483648LL)
            return Reading::Refused;
    }
    value = negative ? -value : value;
    return value > 2147483647LL ? Reading::Refused : Reading::Value;
}

} // namespace

Reading ReadNumber(const QString& S, qint64& value) {
    if (ReadingOpen(S))
        return Reading::Open;
    qsizetype at = 0;
    while (at < S.size() && S[at] == u' ')
        ++at;
    const bool negative = at < S.size() && S[at] == u'-';
    if (at < S.size() && (S[at] == u'-' || S[at] == u'+'))
        ++at;
    return ReadDigits(S, at, negative, value);
}

void ReceiveModel::Receive(QChar C) {
    if (C == QChar(10))
        return;
    if (C != QChar(13)) {
        receiving += C;
        return;
    }
    const QString line = receiving;
    receiving.clear();
    Split(line);
    Decode();
}

void ReceiveModel::Split(const QString& line) {
    const QStringList fields = line.split(u',');
    const qsizetype last = fields.size() - 1;
    for (qsizetype i = 0; i < last && i < 20; ++i)
        slotTable[i] = fields[i];
    if (last >= 20) {
        slot20Open = true;
        return;
    }
    slot20Open = slot20Open && last + 1 < 20;
    const QString& tail = fields[last];
    const qsizetype star = tail.indexOf(u'*');
    slotTable[last] = star < 0 ? QString() : tail.left(star);
    slotTable[last + 1] = star < 0 ? tail : tail.mid(star + 1);
}

void ReceiveModel::Decode() {
    if (slotTable[0] == QStringLiteral("$AISMM"))
        DecodeMmsi();
    if (slotTable[0] == QStringLiteral("$AISSD"))
        DecodeStaticData();
    if (slotTable[0] == QStringLiteral("$AIVSD"))
        DecodeVoyageData();
}

void ReceiveModel::DecodeMmsi() {
    const QString& mmsi = slotTable[3];
    const bool none = mmsi.isEmpty() || mmsi == QStringLiteral("000000000");
    mmsiText = none ? QString() : mmsi;
    mmsiBoxEnabled = none;
    mmsiButtonEnabled = none;
}

void ReceiveModel::DecodeStaticData() {
    callSign = slotTable[1].left(slotTable[1].indexOf(u'@'));
    shipName = slotTable[2].left(slotTable[2].indexOf(u'@'));
    for (size_t i = 0; i < distances.size(); ++i) {
        qint64 value = 0;
        const Reading reading = ReadNumber(slotTable[3 + i], value);
        if (reading == Reading::Refused)
            return;
        if (reading == Reading::Open) {
            for (size_t j = i; j < distances.size(); ++j)
                distances[j].known = false;
            return;
        }
        distances[i] = {true, QString::number(value)};
    }
}

void ReceiveModel::DecodeVoyageData() {
    qint64 value = 0;
    const Reading reading = ReadNumber(slotTable[1], value);
    if (reading == Reading::Open)
        shipType.known = false;
    if (reading != Reading::Value)
        return;
    const QString code = QString::number(value);
    int found = DefaultRow;
    for (int row = static_cast<int>(rows.size()) - 1; row >= 0; --row) {
        if (rows[row].contains(code))
            found = row;
    }
    shipType = {true, found};
}
