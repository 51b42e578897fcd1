#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A quorvane-unitsim on a pseudo-terminal of its own, published as ttySIM0 in a fresh
// runtime folder that this process's XDG_RUNTIME_DIR points at while it runs.
class SimulatedUnit {
public:
    explicit SimulatedUnit(const QStringList& extraArguments = {});
    ~SimulatedUnit();
    SimulatedUnit(const SimulatedUnit&) = delete;
    SimulatedUnit& operator=(const SimulatedUnit&) = delete;

    // The text of the unit's row in the port list.
    static QString PortItem();

private:
    QTemporaryDir runtime_;
    QProcess process_;
};
