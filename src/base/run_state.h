// The state of a bet run, shared by the main window and the BetRunner
// thread without a lock: a signed 16-bit value written whole by either.
//
//   0 idle ─ 投票 ─> 2 running ─ STOP ─> -3 stop requested
//   2 or -3 ─ the thread ends ─> 1 finished or -1 stopped / failed
//   1 or -1 ─ FinishRun on the main window ─> 0
#pragma once

#include <atomic>
#include <cstdint>

namespace base {

using RunState = std::atomic<std::int16_t>;

constexpr std::int16_t kRunIdle = 0;
constexpr std::int16_t kRunRunning = 2;
constexpr std::int16_t kRunStopRequested = -3;
constexpr std::int16_t kRunFinished = 1;
constexpr std::int16_t kRunFailed = -1;

}  // namespace base
