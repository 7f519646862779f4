// Reading the whole configuration at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "base/profile_store.h"
#include "base/settings.h"

namespace base {

// Smallest "Bet File Watch Distance" (s) the program runs with.
constexpr unsigned kMinBetFileWatchDistance = 60;

// Reads every key in the start-up order.  Missing keys give their defaults.
// Two things may be written to the store: the migration of plain "Pat Id" /
// "Pat Pass Word" to "Pat Code", and "Bet File Watch Distance" raised to 60.
// nowSeconds (seconds since 1970) seeds the default payout fetch minute.
void LoadSettings(ProfileStore& store, Settings& settings, std::int64_t nowSeconds);
// The same on the profile file at profilePath, seeded with the clock.
void LoadSettings(const std::string& profilePath, Settings& settings);

// The default of "Haraimodoshi Info Get Time": 16:46 plus a minute 0..9 drawn
// from a generator seeded with the time.
int DefaultPayoutTime(std::int64_t nowSeconds);

}  // namespace base
