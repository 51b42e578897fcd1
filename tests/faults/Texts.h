#pragma once

#include <QString>

// The operator's messages, as the window shows them.
inline const QString FirstConfirmation = QStringLiteral(
    "設定するMSIは正しいですか?\r\n一度MMSIの設定すると消去できません。\r\nよろしいですか?");
inline QString SecondConfirmation(const QString& mmsi) {
    return QStringLiteral("MMSIを ") + mmsi +
           QStringLiteral(" で設定します。\r\n本当によろしいですか?");
}
inline const QString MmsiNotice = QStringLiteral("MMSIを設定しました。");
inline const QString VesselNotice = QStringLiteral("船舶情報を設定しました。");
