// The Merge command's post-step: sort the bets and merge duplicates.
#pragma once

#include "betdata/bet_table.h"

namespace betdata {

// Two bets of the same identity are merged only while their amounts
// together stay below this many units (1,000,000 yen).
constexpr int kMergeLimitUnits = 10000;

// Sorts the table into ascending identity order (venue, race, kind letter,
// first, second), then merges each run of equal identities into one bet as
// long as the merged amount stays below the limit.
void SortAndMerge(BetTable& table);

}  // namespace betdata
