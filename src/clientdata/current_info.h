// "Current Info": the running totals kept in the settings (section "Define",
// key "Current Info") so that a restart on the same day keeps them.
#pragma once

#include <string>

#include "base/voting_terms.h"

namespace clientdata {

// The line to store: the terms date, the day's and the previous day's
// figures, the account figures, the bets remaining and the last receipt
// number.
std::string SaveCurrentInfo(const base::VotingTerms& terms);

// Takes a stored line back.  The terms date written becomes the date of the
// running totals.  A line with fewer than 12 values resets the totals
// (no date, no receipt number: -1).  The period totals are recomputed.
void LoadCurrentInfo(base::VotingTerms& terms, const std::string& line);

}  // namespace clientdata
