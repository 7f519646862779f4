// Time, sleeping and threads.
//
// On the simulated desktop the clock is virtual: sleep gives the turn to the
// other simulated threads and the clock jumps ahead when nothing can run, so a
// long sleep costs no wall time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace plat {

// Seconds since 1970 (UTC), as time().
std::int64_t now();
// Milliseconds since 1970 (UTC).
std::int64_t nowMs();

struct LocalTime {
    int year = 0;    // four digits
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0; // 0 = Sunday
};
LocalTime localTime(std::int64_t seconds);
std::int64_t fromLocalTime(const LocalTime& time);  // weekday ignored
// strftime with a Shift-JIS format.
std::string formatTime(std::int64_t seconds, const char* format);

void sleep(std::uint32_t ms);
std::uint32_t tickCount();  // milliseconds since the desktop started

using ThreadId = std::uint32_t;
// Starts a thread of the running program; it ends when fn returns.
ThreadId startThread(std::function<void()> fn);
ThreadId currentThreadId();

}  // namespace plat
