// The voting-terms files "Uy-a.Jra", "Uy-b.Jra", "Uy-c.Jra", one per meeting
// slot.  One line carries the date, the account figures, the meeting and the
// sale codes of 14 race blocks (races 13 and 14 are never held); after them
// the start times of the races.  A slot without a meeting is written with
// venue 0, so that all three files always tell the same date and account.
#pragma once

#include <array>
#include <string>

#include "betclient/centre/day.h"
#include "betclient/centre/fixed_line.h"

namespace centre {

namespace terms_layout {
constexpr Column kYear{0, 4};
constexpr Column kMonth{4, 2};
constexpr Column kDay{6, 2};
constexpr Column kUserId{8, 8};
constexpr Column kFetchTime{16, 4};       // when the terms were fetched
constexpr Column kPurchaseLimit{20, 6};   // yen
constexpr Column kBalance{26, 6};         // yen
constexpr Column kPrevDayPurchase{32, 8}; // yen
constexpr Column kPrevDayPayout{40, 8};   // yen
constexpr Column kBetsPerDayField{48, 3};
constexpr Column kMeetingCount{51, 1};
constexpr Column kSlotLetter{52, 1};
constexpr Column kVenueCode{58, 2};
constexpr Column kVenueName{60, 4};
constexpr Column kKai{64, 2};
constexpr Column kNichime{66, 2};
constexpr Column kWeekday{68, 1};
constexpr int kRaceBlocks = 14;
constexpr Column raceSaleCode(int k) { return {69 + 2 * k, 2}; }
constexpr int kBlockAt = 97;
constexpr int kBlockWidth = 34;
constexpr Column horseCode(int k, int j) { return {kBlockAt + kBlockWidth * k + j, 1}; }
constexpr Column bracketCode(int k, int j) { return {kBlockAt + 18 + kBlockWidth * k + j, 1}; }
constexpr Column sameBracketCode(int k, int j) { return {kBlockAt + 26 + kBlockWidth * k + j, 1}; }
constexpr Column startTime(int k) { return {kBlockAt + kBlockWidth * kRaceBlocks + 4 * k, 4}; }
}  // namespace terms_layout

constexpr std::array<const char*, kMaxMeetings> kTermsFileNames = {"Uy-a.Jra", "Uy-b.Jra", "Uy-c.Jra"};

// The line of a meeting slot 0..2, fetched at `fetchTime` (hour * 100 + minute).
std::string formatTermsLine(const Day& day, int slot, int fetchTime);

}  // namespace centre
