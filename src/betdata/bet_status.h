// The status box: the bet list's totals and the figures of the voting terms.
#pragma once

#include <string>

#include "betdata/bet_list_state.h"
#include "base/voting_terms.h"
#include "platform/wintypes.h"

namespace betdata {

// The status text: the line of the bets the centre refused (only when
// there are any), the bet list's total line (only while the list holds
// bets), then the purchase, balance and date lines.
std::string FormatBetStatus(int listCount, int listTotalYen, const base::VotingTerms& terms,
                            RefusedTally refused = {});

// Writes the status text into the status box (an edit control) and clears
// the terms' request for a redraw.
void ShowBetStatus(plat::Hwnd statusBox, const BetListState& state, base::VotingTerms& terms);

}  // namespace betdata
