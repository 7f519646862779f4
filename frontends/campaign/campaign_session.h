// One session of the campaign: a fresh simulated home with the strict
// client on the plan's day, Ornel's main window, and the plan's runs on the
// one running client, each checked when FinishRun has completed it.
#pragma once

#include <cstdint>

#include "frontends/campaign/campaign_window.h"

namespace campaign {

// Longest virtual time a session may take (runs, faults and all).
constexpr std::int64_t kSessionLimitMs = 12LL * 3'600'000;

SessionLog RunSession(std::uint64_t seed);

}  // namespace campaign
