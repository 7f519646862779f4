// The echo of a loaded vote log into the day's bet log: a header, the
// 投票可能 line and one line per entry (amounts in yen).
#pragma once

#include <cstdint>
#include <string>

#include "clientdata/vote_log_record.h"

namespace clientdata {

// "\nLOAD LOG FILE yy/mm/dd HH:MM:SS\n" for the program clock.
std::string VoteLogEchoHeader(std::int64_t clock);

// The available amount (yen), bets remaining and receipt number.
std::string VoteLogAvailableLine(const VoteLogRecord& record);

// One entry; empty for a kind other than 1..4.  A venue code outside 1..10
// is shown with a blank venue name.
std::string VoteLogEntryLine(const VoteLogEntry& entry);

}  // namespace clientdata
