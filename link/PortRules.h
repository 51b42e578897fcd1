#pragma once

#include "platform/SerialPortList.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The port name inside a port list item: the text between its first "(" and its
// last character, both excluded; empty when nothing lies between them.
QString PortNameOfItem(const QString& itemText);

// The list item for a port: its description and its name in parentheses.
QString PortItemText(const QString& description, const QString& portName);

// Windows port names: "COM" in any letter case followed by decimal digits.
bool IsComPortName(const QString& portName);
// Port names elsewhere: letters followed by decimal digits (ttyUSB0, ttyS1, ttySIM0).
bool IsTtyPortName(const QString& portName);
// Whether a port of this name goes into the port list on this system.
bool IsListedPortName(const QString& portName);

// Appends the item text of every listed port to S, in the order given.
void EnumSerialCommWithFriendlyName(const QList<SerialPortEntry>& ports, QStringList& S);

// The number that orders an item: the decimal digits that end its port name;
// empty when there are none or they do not fit a signed 32-bit integer.
std::optional<int32_t> TakeComNum(const QString& itemText);

// Items by number; those without a number after all numbered ones; equal
// numbers by text. A total order, so sorting never loses or repeats an item.
bool PortItemLess(const QString& a, const QString& b);

// Sorts items[First..Last] by PortItemLess: middle element as pivot, one forward
// partition pass.
void QuickSort(QStringList& items, qsizetype First, qsizetype Last);
