#pragma once

#include <QList>
#include <QString>

// A serial port present on this computer.
struct SerialPortEntry {
    QString description; // the system's friendly description, empty when it gives none
    QString portName;    // COM3 on Windows, ttyUSB0 elsewhere, ttySIM0 for a simulated unit
};

// Every serial port present, in the order the system lists them, and then the
// simulated units published in the folder quorvane-sim of the user's runtime location.
QList<SerialPortEntry> AvailableSerialPorts();

// The folder in which simulated units publish links to their pseudo-terminals.
QString SimulatedUnitFolder();

// The pseudo-terminal that the simulated unit of this name links to; empty when
// the folder holds no such link or it leads to anything but a pseudo-terminal.
QString SimulatedUnitDevice(const QString& portName);

// The description given to a simulated unit.
inline constexpr const char* SimulatedUnitDescription = "Simulated AIS unit";
