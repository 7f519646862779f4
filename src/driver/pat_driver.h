// What the client operations (start-up, login, voting terms) work on: the
// driver's state, the voting terms they load and what a terms read updates,
// the settings they fall back on, the program clock, and the user they tell
// when something fails.
//
// One instance lives in the application object; the window thread and the
// BetRunner thread both use it (never at the same time: the main window
// keeps its commands disabled while a run lasts).
#pragma once

#include <atomic>
#include <cstdint>

#include "base/notifier.h"
#include "base/settings.h"
#include "base/path_helpers.h"
#include "base/voting_terms.h"
#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

struct PatDriver {
    DriverState& state;
    base::VotingTerms& terms;
    base::CurrentBetFile& betFile;   // re-chosen when the terms are read
    const base::Settings& settings;
    base::Notifier& notifier;
    // The program clock (seconds since 1970): the application's stored
    // current time, from which every hour test of the driver is taken.
    const std::atomic<std::int64_t>& programClock;
    // The program's main window, brought forward for the driver's messages
    // (0 before it exists).
    std::atomic<plat::Hwnd> mainWindow{0};
};

// The reception hours of the betting centre: 9:00 to 16:59.
constexpr int kFirstBettingHour = 9;
constexpr int kLastBettingHour = 16;

// The local hour of the program clock, and whether it is within the
// reception hours.
int ProgramHour(const PatDriver& driver);
bool InBettingHours(int hour);

// ShowDriverMessage with the driver's notifier and main window; then -1,
// the result of every failed operation.
int FailWith(PatDriver& driver, int messageId);

}  // namespace driver
