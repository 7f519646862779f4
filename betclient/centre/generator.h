// A plausible racing day for any date, the same every time for the same
// date and seed: the season's racecourses, twelve races each with a field of
// seven to eighteen (now and then a scratched horse), start times from about
// ten o'clock, results with payouts (dead heats now and then) and an account.
#pragma once

#include <cstdint>

#include "betclient/centre/day.h"

namespace centre {

constexpr std::uint64_t kDefaultSeed = 1;
// The account of a generated day (what the demo logs in with).
constexpr const char* kDefaultUserId = "12345678";
constexpr const char* kDefaultPassword = "1234";

Day generateDay(int year, int month, int day, std::uint64_t seed = kDefaultSeed);

}  // namespace centre
