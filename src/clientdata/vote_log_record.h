// The record of a vote log "Lg-NN.JRA": the first line of the file, written
// by the betting client after each vote.  Amounts are in units of 100 yen.
#pragma once

#include <string_view>
#include <vector>

namespace clientdata {

constexpr int kVoteLogSlots = 50;  // entry slots of a record

struct VoteLogEntry {
    int lineNo = 0;       // echoed
    int digit3 = 0;       // one-digit field at offset 3, echoed
    int venueCode = 0;    // 1..10
    int race = 0;
    int kind = 0;         // 1 単勝, 2 複勝, 3 枠連, 4 馬連
    int first = 0;        // 枠連 and 馬連 only
    int second = 0;       // the only number of 単勝 and 複勝
    int amountUnits = 0;
    int status = 0;       // acceptance status 0..7
    int digit18 = 0;      // one-digit field at offset 18, echoed
};

struct VoteLogRecord {
    int receiptNo = 0;        // 受付番号
    int entryCount = 0;       // as written
    int purchaseUnits = 0;    // purchase total of this vote
    int betsRemaining = 0;    // after this vote
    int availableUnits = 0;   // 投票可能 after this vote
    // Entries 0..n-1, n being the entry count limited to the record's 50
    // slots (the two-digit count could say up to 99, and reading on would
    // take the totals that follow the slots for entries).
    std::vector<VoteLogEntry> entries;
};

VoteLogRecord ParseVoteLogRecord(std::string_view line);

}  // namespace clientdata
