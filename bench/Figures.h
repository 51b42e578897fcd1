#pragma once

#include <functional>
#include <string>

// One line of the results: "figure|label|value|unit|reference|kind", where kind is
// "floor" (the least it can take), "goal" (the most it should take) or "none".
void PrintFigure(const std::string& label, double value, const std::string& unit,
                 double reference = 0, const std::string& kind = "none");

// Milliseconds on a steady clock.
double NowMs();
// Processor time of the whole process so far (user and system), in milliseconds.
double ProcessCpuMs();
// Resident memory of the process (VmRSS), in KiB.
long ResidentKiB();

// Processes window messages until `done` holds or `guardMs` have passed; false then.
bool PumpUntil(const std::function<bool()>& done, int guardMs = 10000);
// Runs the event loop for `ms` milliseconds, as the idle program does.
void RunEventLoopFor(int ms);
