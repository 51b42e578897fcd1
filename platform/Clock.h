#pragma once

#include <cstdint>
#include <functional>

// The system's millisecond tick counter; an unsigned 32-bit number that wraps to 0.
uint32_t GetTickCount();
// Holds the calling thread for ms milliseconds.
void Sleep(uint32_t ms);
// Handles every pending window message, the port's notifications included.
void ProcessMessages();

// Seam for tests and fuzz targets: a member left empty keeps the real behaviour.
struct WaitHooks {
    std::function<uint32_t()> tickCount;
    std::function<void(uint32_t)> sleep;
};
void SetWaitHooks(WaitHooks hooks);
