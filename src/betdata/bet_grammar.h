// The free-text bet grammar: every line of the bet list becomes bets of the
// BetTable, checked against the voting terms while they are in force, and
// the list is rewritten in canonical form.
#pragma once

#include "base/bet_line.h"
#include "betdata/bet_list_context.h"

namespace betdata {

// An operation on the parsed table before it is rendered (the Merge command
// passes SortAndMerge).
using PostStep = void (*)(BetTable&);

// A meeting slot that is not 0..2 (no venue yet, or a venue not held).
constexpr int kNoMeetingSlot = -1;

// Rebuilds the BetTable from every line of the list, runs the post-step and
// renders the list.  Unless skipTermsCheck is set, the client connection is
// asked first to load the day's terms; when it fails nothing changes and
// the result is false.
bool ParseBetList(BetListContext& ctx, bool skipTermsCheck, PostStep postStep = nullptr);

// Appends one bet (amount in units) after the terms checks: 0 when appended,
// -1 when refused (silently by the checks, with message 8001 when the table
// is full).  Pair numbers are put in ascending order; single kinds get
// second = 0.
int AddBet(BetListContext& ctx, int meetingSlot, base::BetLine bet);

}  // namespace betdata
