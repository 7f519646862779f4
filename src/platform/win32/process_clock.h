// The clock of this process on Windows.  A batch command of ornel.exe runs
// "as at" a time given on its command line: from startClockAt on, now() and
// nowMs() read that time plus the real time passed since, so the program
// clock, the day's files and the terms' date follow it.  Windows' own
// clock, the files' times and the timers are not changed.
#pragma once

#include <cstdint>

namespace win32 {

// seconds since 1970 (UTC).
void startClockAt(std::int64_t seconds);

}  // namespace win32
