#pragma once

#include <cstdint>

// The tick value `time` milliseconds after `now`; the counter wraps to 0.
uint32_t DeadlineAfter(uint32_t now, uint32_t time);

// Whether the counter reading `now` has moved past `deadline`. The signed
// difference keeps this right across the wrap, for deadlines under 2^31 ms ahead.
bool DeadlinePassed(uint32_t deadline, uint32_t now);
