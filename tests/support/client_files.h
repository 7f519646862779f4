// Writers of the betting client's files for the tests: terms-file lines and
// vote-log records in their fixed columns (Shift-JIS).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/fixed_line.h"

namespace testsupport {

struct TermsValues {
    int year = 2024, month = 6, day = 15;
    int purchaseLimit = 100000;
    int accountBalance = 250000;
    int prevDayPurchase = 3000;
    int prevDayPayout = 1200;
    int venueCode = 5;
    int kai = 3;
    int nichime = 4;
};

// A terms line: races 1..12 on sale (code 7), races 13 and 14 not; race k
// (1-based) has 8 + k % 7 runners with code 7, brackets 1..8 with code 5 and
// same-bracket pairs with code 7.
FixedLine termsLine(const TermsValues& values);

struct VoteEntry {
    int lineNo = 1;
    int digit3 = 0;
    int venueCode = 5;
    int race = 11;
    int kind = 4;
    int first = 3;
    int second = 12;
    int units = 10;
    int status = 0;
    int digit18 = 1;
};

// A vote-log record: the entries fill slots 0.. and the count is their
// number unless `count` is given.
FixedLine voteLogLine(int receiptNo, const std::vector<VoteEntry>& entries, int purchaseUnits,
                                   int betsRemaining, int availableUnits, int count = -1);

// A race-card line of JRA#DEN1.DAT and the .DEN files: venue code, 回, 日目,
// race, the card's date (month * 100 + day) and the start time.
FixedLine raceCardLine(int venueCode, int kai, int nichime, int race, int cardDate, int startTime);

// The first line of one of the client's race-card files "De-*.Jra": the
// date, the venue's name, 回, 日目, race and start time.
FixedLine clientRaceCardLine(const std::string& venueName, int kai, int nichime, int race, int startTime);

// A payout file's line for a meeting ("20240615", venue name, 回, 日目, then
// twelve race blocks), kind 0..3 for 単勝, 複勝, 枠連, 馬連.  Every block
// starts with its race number and result flag 0 (no result yet).
class PayoutLine {
public:
    PayoutLine(int kind, const std::string& venueName, int kai, int nichime);
    // The number and result flag written into race's block.
    PayoutLine& block(int race, int raceNo, int flag);
    // Entry e of race (second only for 枠連 and 馬連).
    PayoutLine& entry(int race, int e, int first, int second, int payout);
    const std::string& str() const { return line_; }

private:
    std::size_t blockAt(int race) const;
    int kind_;
    FixedLine line_;
};

// Writes lines as a Windows text file (CR LF) and sets its last-write time
// when mtime is not 0.
void writeTextFile(const std::string& path, const std::vector<std::string>& lines, std::int64_t mtime = 0);

}  // namespace testsupport
