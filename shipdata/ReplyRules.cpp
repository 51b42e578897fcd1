#include "shipdata/ReplyRules.h"

#include "codec/IntText.h"
#include "shipdata/ShipTypeRules.h"

QString GetVesselStr(const QString& S) {
    return S.left(S.indexOf(u'@'));
}

QString GetVesselSize(const QString& S) {
    return QString::number(StrToInt(S));
}

bool MmsiStored(const QString& mmsi) {
    return !mmsi.isEmpty() && mmsi != QStringLiteral("000000000");
}

int ShipTypeRowFor(const QStringList& rows, const QString& shipType) {
    const QString T = GetVesselSize(shipType);
    for (int row = 0; row < rows.size(); ++row) {
        if (rows[row].contains(T)) {
            return row;
        }
    }
    return DefaultShipTypeRow;
}
