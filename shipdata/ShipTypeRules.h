#pragma once

#include <QStringList>

// The rows of the ship type list, in order. Each row begins with its two-digit
// ship type code from the AIS ship type table.
extern const QStringList ShipTypeRows;

// "37 : Vessel- Pleasure craft": selected by a reset, and the row a ship type
// that no row holds falls back to.
inline constexpr int DefaultShipTypeRow = 7;
