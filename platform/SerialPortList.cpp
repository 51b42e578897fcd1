#include "platform/SerialPortList.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QStandardPaths>

namespace {

bool IsPseudoTerminal(const QString& path) {
    static const QRegularExpression pts(QStringLiteral("^/dev/pts/[0-9]+$"));
    return pts.match(path).hasMatch();
}

QList<SerialPortEntry> SimulatedUnits() {
    QList<SerialPortEntry> units;
    const QDir folder(SimulatedUnitFolder());
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!SimulatedUnitDevice(name).isEmpty())
            units.append({QString::fromLatin1(SimulatedUnitDescription), name});
    }
    return units;
}

} // namespace

QString SimulatedUnitFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/quorvane-sim");
}

QString SimulatedUnitDevice(const QString& portName) {
    if (portName.isEmpty())
        return {};
    const QFileInfo link(SimulatedUnitFolder() + u'/' + portName);
    if (!link.isSymLink())
        return {};
    const QString target = link.canonicalFilePath();
    return IsPseudoTerminal(target) ? target : QString();
}

QList<SerialPortEntry> AvailableSerialPorts() {
    QList<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append({info.description(), info.portName()});
    ports.append(SimulatedUnits());
    return ports;
}
