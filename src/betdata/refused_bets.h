// The bets the betting centre refused in a run, as the day's bet log keeps
// them and as the user is told of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/acceptance.h"
#include "base/path_helpers.h"

namespace betdata {

// The bet as its canonical line reads without the line number and line
// break, a blank and the acceptance mark: "東京  1R 単勝    01      100 〆".
std::string RefusedBetText(const base::RefusedBet& refused);

// The message listing them: a heading, then one line per bet with what the
// refusal means.
std::string RefusedBetsMessage(const std::vector<base::RefusedBet>& refused);

// Appends "\nREFUSED BETS %y/%m/%d %H:%M:%S\n" and one RefusedBetText line
// per bet to the day's bet log (skipped silently when it cannot be opened).
void WriteRefusedEntry(const base::CurrentBetFile& betFile, std::int64_t clock,
                       const std::vector<base::RefusedBet>& refused);

}  // namespace betdata
