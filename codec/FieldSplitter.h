#pragma once

#include <QString>
#include <array>

inline constexpr int RxSlotCount = 21;
using TRxSlots = std::array<QString, RxSlotCount>;

// The fields of the lines split so far; slot 0 holds the address field with its "$".
extern TRxSlots RxCmdPrm;

// Splits a line into slots 0 to n + 1 (n: the number of commas): the fields before
// each ",", then the last field up to its first "*", then what follows that "*".
// Slots above n + 1 keep what they held. Of a line with 20 or more commas the
// slots above 20 are dropped.
void DecCmdPrm(const QString& S, TRxSlots& table);
