// The purchase limits checked before a run: per race and per vote.
#pragma once

#include "base/notifier.h"
#include "base/settings.h"
#include "betdata/bet_table.h"

namespace betdata {

enum class LimitDecision { Proceed, Abort };

// Sums the table per (venue, race) and in total.  The first race above
// "Limit Race" and a total above "Limit Time" each ask, after the
// exclamation beep, whether to go on; any No aborts.
LimitDecision CheckAmountLimits(const BetTable& table, const base::Settings& settings,
                                base::Notifier& notifier);

}  // namespace betdata
