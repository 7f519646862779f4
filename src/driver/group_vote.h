// A bet group as the run entered it, and what the centre made of its vote:
// each entered bet is looked up among the entries of the vote's log.
#pragma once

#include <vector>

#include "base/bet_line.h"
#include "clientdata/vote_log_record.h"
#include "base/bet_line_read_back.h"

namespace driver {

// A line of the group: its index in the list, the bet read back from it,
// and whether it was entered (bets the terms do not sell are not).
struct GroupBet {
    int line = 0;
    base::ReadBackBet bet;
    bool entered = false;
};

enum class BetFate {
    Placed,   // accepted (or left out by the terms, as before)
    Refused,  // in the vote, not accepted: status says why
    Missing,  // entered, but not in the vote the client sent
};

struct BetOutcome {
    BetFate fate = BetFate::Placed;
    int status = 0;
};

// The outcome of each bet of the group, in order.  Every entered bet takes
// the first unused entry of the records with its venue, race, kind,
// numbers and amount.  Without any record (the client wrote no vote log)
// the vote's acceptance is all there is to go by: every bet counts as
// placed.
std::vector<BetOutcome> MatchVote(const std::vector<GroupBet>& group,
                                  const std::vector<clientdata::VoteLogRecord>& records);

// The bet of a read-back line as a BetLine (venue number, amount in units).
base::BetLine AsBetLine(const base::ReadBackBet& bet);

}  // namespace driver
