#include "shipdata/ShipTypeRules.h"

const QStringList ShipTypeRows = {
    QStringLiteral("30 : Vessel- Fishing"),
    QStringLiteral("31 : Vessel- Towing"),
    QStringLiteral("32 : Vessel- Towing (Length > 200m or Breadth > 25m)"),
    QStringLiteral("33 : Vessel- Engaged in dredging or underwater operations"),
    QStringLiteral("34 : Vessel- Engaged in diving operations"),
    QStringLiteral("35 : Vessel- Engaged in military operations"),
    QStringLiteral("36 : Vessel- Sailing"),
    QStringLiteral("37 : Vessel- Pleasure craft"),
    QStringLiteral("50 : Pilot vessel"),
    QStringLiteral("51 : Search and rescue vessels"),
    QStringLiteral("52 : Tags"),
    QStringLiteral("53 : Port trnders"),
    QStringLiteral("54 : Vessels with anti-pollution facilities or equipment"),
    QStringLiteral("55 : Law enforcement vessels"),
    QStringLiteral("58 : Medical transports"),
    QStringLiteral("59 : Ships  of States not parties to an armed conflict"),
    QStringLiteral("60 : Passenger ships"),
    QStringLiteral("70 : Cargo ships"),
    QStringLiteral("80 : Tanker(s)"),
    QStringLiteral("90 : Other types of ship"),
};
