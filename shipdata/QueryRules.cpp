#include "shipdata/QueryRules.h"

const QStringList VesselQueries = {
    QStringLiteral("$U0AIQ,SMM*43"),
    QStringLiteral("$U0AIQ,SSD*54"),
    QStringLiteral("$U0AIQ,VSD*51"),
};

const QString AccessCodeBody = QStringLiteral("$PSMT,012,,,(--MolEt--)");

const QString TriggerSentence = QStringLiteral("$PSMT,TRG,02,00*75");

namespace {

// The unit's GNSS filter flags that the configuration turns on.
constexpr int GpsFilterFlags = 0x20 | 0x10 | 0x08 | 0x02 | 0x01;

QString CommandBody(const QString& field4, const QString& command, const QString& sqid) {
    return QStringLiteral("$PSMT,0,0,0,%1,%2,%3").arg(field4, command, sqid);
}

} // namespace

QString NmeaBaudBody(const QString& sqid) {
    // "^2C" is the escaped ",": the unit reads "38400,19200" as one argument.
    return CommandBody(QStringLiteral("0"), QStringLiteral("nmeabaud 38400^2C19200"), sqid);
}

QString GnssModeBody(const QString& sqid) {
    return CommandBody(QStringLiteral("1"), QStringLiteral("setgnssmode 3"), sqid);
}

QString GpsFilterBody(const QString& sqid) {
    const QString command = QStringLiteral("gpsfilt_nv ") + QString::number(GpsFilterFlags);
    return CommandBody(QStringLiteral("0"), command, sqid);
}
