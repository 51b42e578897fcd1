#pragma once

// Resident memory after creating the window and after `cycles` connect and disconnect
// cycles on a stand-in port, whose unit answers every connect with the typical
// replies, under a clock that moves only when the program sleeps (waits take no time).
int MeasureFakeCycles(int cycles);
