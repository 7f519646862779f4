// The centre's state as a small text file in the client's directory
// ("centre-state.txt"), so that a restarted client carries on with the day:
//
//   date 1998-12-05
//   receipt 3          last receipt number issued
//   next-log 4         number of the next vote log
//   bet 1 1 5 11 4 3 12 10   the ledger: receipt line venue race kind first second units
#pragma once

#include <string>
#include <string_view>

#include "betclient/centre/voting.h"

namespace centre {

constexpr const char* kStateFileName = "centre-state.txt";

std::string formatStateText(const CentreState& state);
// False (and `state` unspecified) when the text is not a state file; `error`
// then names the line that is not a state record, or says the date is missing.
bool parseStateText(std::string_view text, CentreState& state, std::string& error);

}  // namespace centre
