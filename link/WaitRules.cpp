#include "link/WaitRules.h"

uint32_t DeadlineAfter(uint32_t now, uint32_t time) {
    return now + time;
}

bool DeadlinePassed(uint32_t deadline, uint32_t now) {
    return static_cast<int32_t>(deadline - now) < 0;
}
