// The betting centre's ledger written as the bet list writes bets, so that
// what was placed can be set beside what was asked for.
#pragma once

#include <string>
#include <vector>

#include "betclient/centre/voting.h"
#include "frontends/simhome/sim_home.h"

namespace cli {

// The BetLine kind letter of a centre's kind.
char KindLetter(centre::Kind kind);

// One canonical bet-list line per accepted bet, in the order the centre
// accepted them, numbered from 001 (CR LF line ends).
std::string LedgerAsBetList(const std::vector<centre::LedgerEntry>& ledger);

// The same for the ledger of the home's client on the day of startTime
// (seconds since 1970); empty when the centre's state cannot be read.
std::string DayLedgerAsBetList(const simhome::SimHome& home, std::int64_t startTime);

}  // namespace cli
