#include "shipdata/MmsiRules.h"

#include "codec/Sentence.h"
#include "codec/IntText.h"

namespace {

constexpr int MmsiLength = 9;
constexpr int32_t LowestMmsi = 200000000;
constexpr int32_t HighestMmsi = 799999999;

} // namespace

const QString MmsiLengthWarning = QStringLiteral("MMSIの桁数が間違っています。") + CRLF +
                                  QStringLiteral("MMSIの桁数は９桁です。");

const QString MmsiRangeWarning = QStringLiteral("MMSIの値が範囲外です。") + CRLF +
                                 QStringLiteral("MMSIの範囲は、200000000 から 799999999 です。");

const QString MmsiFirstConfirmation = QStringLiteral("設定するMSIは正しいですか?") + CRLF +
                                      QStringLiteral("一度MMSIの設定すると消去できません。") +
                                      CRLF + QStringLiteral("よろしいですか?");

const QString MmsiSetNotice = QStringLiteral("MMSIを設定しました。");

MmsiCheck CheckMmsi(const QString& mmsi) {
    if (mmsi.size() != MmsiLength) {
        return MmsiCheck::WrongLength;
    }
    const int32_t MmsiNo = DigitsToInt(mmsi);
    if (MmsiNo < LowestMmsi || MmsiNo > HighestMmsi) {
        return MmsiCheck::OutOfRange;
    }
    return MmsiCheck::Acceptable;
}

QString MmsiSecondConfirmation(const QString& mmsi) {
    return QStringLiteral("MMSIを ") + mmsi + QStringLiteral(" で設定します。") + CRLF +
           QStringLiteral("本当によろしいですか?");
}

QString MmsiBody(const QString& mmsi) {
    return QStringLiteral("$PSMT,0,0,0,0,set_mmsi ") + mmsi + QStringLiteral(",0");
}
