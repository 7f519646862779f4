// The driver's timing values as one call reads them, and the attempt count
// of every polling wait.
//
// A wait of timeoutMs polls (timeoutMs + MessageWait) / MessageWait times and
// sleeps MessageWait after every poll, so a time-out of 0 still polls once.
// The values are read once at the start of a call: a change of the settings
// takes effect at the next call.
#pragma once

#include <cstdint>

#include "driver/driver_state.h"

namespace driver {

struct Waits {
    std::uint32_t message = kDefaultMessageWaitMs;     // MessageWait
    std::uint32_t action = kDefaultActionWaitMs;       // ActionWait
    std::uint32_t windowOpen = kDefaultWindowOpenWaitMs;  // WindowOpenWait
};

Waits CurrentWaits(const DriverState& driver);

// (timeoutMs + messageWait) / messageWait, computed without overflow.  A
// MessageWait of 0 (a profile can hold it) is taken as 1 ms, so the count
// stays finite instead of dividing by zero.
std::uint32_t WaitAttempts(std::uint32_t timeoutMs, std::uint32_t messageWait);

// n x ms for the derived waits (2 x MessageWait, 4 x ActionWait, ...),
// capped at the largest value instead of wrapping.
std::uint32_t Times(std::uint32_t n, std::uint32_t ms);

}  // namespace driver
