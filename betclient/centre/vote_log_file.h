// The vote log "Lg-%02d.JRA" written after each vote: one record line with
// the vote's date and time, its receipt number, up to 50 entry slots of 19
// columns, the purchase total, the bets remaining and the amount available.
#pragma once

#include <string>

#include "betclient/centre/day.h"
#include "betclient/centre/fixed_line.h"
#include "betclient/centre/voting.h"

namespace centre {

namespace vote_log_layout {
constexpr Column kYear{0, 4};
constexpr Column kMonth{4, 2};
constexpr Column kDay{6, 2};
constexpr Column kHour{8, 2};
constexpr Column kMinute{10, 2};
constexpr Column kReceiptNo{12, 4};
constexpr Column kAcceptedCount{16, 4};
constexpr Column kEntryCount{20, 2};
constexpr int kEntriesAt = 22;
constexpr int kEntryWidth = 19;
constexpr int kEntrySlots = 50;
// Within an entry slot.
constexpr Column kEntryUsed{0, 1};      // 1: the slot holds a bet
constexpr Column kEntryLine{1, 2};      // line of the bet in the vote, from 1
constexpr Column kEntryDayIndex{3, 1};  // 0 当日, 1 前日
constexpr Column kEntryVenue{4, 2};
constexpr Column kEntryRace{6, 2};
constexpr Column kEntryKind{8, 1};      // 1 単勝 2 複勝 3 枠連 4 馬連
constexpr Column kEntryFirst{9, 2};     // pairs only
constexpr Column kEntrySecond{11, 2};   // the only number of 単勝 and 複勝
constexpr Column kEntryUnits{13, 4};    // 100 yen
constexpr Column kEntryStatus{17, 1};   // Acceptance
constexpr Column kEntryMethod{18, 1};   // 0 通常
constexpr Column entry(int i, Column field) { return {kEntriesAt + kEntryWidth * i + field.at, field.width}; }
constexpr Column kPurchaseUnits{972, 6};
constexpr Column kBetsRemaining{978, 3};
constexpr Column kAvailableUnits{981, 9};
constexpr int kRecordLength = 990;
}  // namespace vote_log_layout

// "Lg-07.JRA" for number 7.
std::string voteLogFileName(int number);
std::string formatVoteLogLine(const Day& day, const VoteRecord& record);

}  // namespace centre
