#include "bench/SimulatedUnit.h"

#include <QFile>
#include <stdexcept>

SimulatedUnit::SimulatedUnit(const QStringList& extraArguments) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(QUORVANE_UNITSIM),
                   QStringList{QStringLiteral("--folder"), runtime_.path() + "/quorvane-sim"} +
                       extraArguments);
    // The unit announces its link once the link is in place.
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(10000))
            throw std::runtime_error("the simulated unit did not start");
    }
    if (!process_.readLine().contains("ttySIM0"))
        throw std::runtime_error("the simulated unit published no ttySIM0");
}

SimulatedUnit::~SimulatedUnit() {
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(1000);
}

QString SimulatedUnit::PortItem() {
    return QStringLiteral("Simulated AIS unit (ttySIM0)");
}
