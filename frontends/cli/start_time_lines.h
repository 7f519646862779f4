// What `ornel racecard` and `ornel sim racecards` print of the start times
// the program holds.
#pragma once

#include <string>

#include "base/voting_terms.h"

namespace cli {

// "race-card-date MMDD" (0 when no card named its date), then one line
// "slot S race R start HHMM" for races 1..12 of every meeting in use
// (start 0 when unknown); LF line ends.
std::string startTimeLines(const base::VotingTerms& terms);

}  // namespace cli
