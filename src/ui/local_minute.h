// A moment as the AutoMode checks compare it: hour * 100 + minute of its
// local time (9:30 is 930), the form the settings and the start times use.
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace ui {

inline int HourMinute(int hour, int minute) { return hour * 100 + minute; }

inline int LocalMinute(std::int64_t seconds) {
    const plat::LocalTime t = plat::localTime(seconds);
    return HourMinute(t.hour, t.minute);
}

constexpr std::int64_t kMinuteSeconds = 60;

}  // namespace ui
