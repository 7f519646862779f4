#include "clientdata/vote_log_record.h"

#include <algorithm>

#include "clientdata/field_int.h"

namespace clientdata {

namespace {

constexpr Field kReceiptNo{12, 4};
constexpr Field kEntryCount{20, 2};
constexpr Field kPurchase{972, 6};
constexpr Field kBetsRemaining{978, 3};
constexpr Field kAvailable{981, 9};

// Entry slot i occupies kSlotColumn + kSlotWidth * i onwards; offsets within it:
constexpr int kSlotColumn = 22;
constexpr int kSlotWidth = 19;
constexpr Field kLineNo{1, 2};
constexpr Field kDigit3{3, 1};
constexpr Field kVenue{4, 2};
constexpr Field kRace{6, 2};
constexpr Field kKind{8, 1};
constexpr Field kFirst{9, 2};
constexpr Field kSecond{11, 2};
constexpr Field kAmount{13, 4};
constexpr Field kStatus{17, 1};
constexpr Field kDigit18{18, 1};

VoteLogEntry parseEntry(std::string_view line, int slot) {
    const int base = kSlotColumn + kSlotWidth * slot;
    VoteLogEntry e;
    e.lineNo = FieldInt(line, kLineNo, base);
    e.digit3 = FieldInt(line, kDigit3, base);
    e.venueCode = FieldInt(line, kVenue, base);
    e.race = FieldInt(line, kRace, base);
    e.kind = FieldInt(line, kKind, base);
    e.first = FieldInt(line, kFirst, base);
    e.second = FieldInt(line, kSecond, base);
    e.amountUnits = FieldInt(line, kAmount, base);
    e.status = FieldInt(line, kStatus, base);
    e.digit18 = FieldInt(line, kDigit18, base);
    return e;
}

}  // namespace

VoteLogRecord ParseVoteLogRecord(std::string_view line) {
    VoteLogRecord r;
    r.receiptNo = FieldInt(line, kReceiptNo);
    r.entryCount = FieldInt(line, kEntryCount);
    r.purchaseUnits = FieldInt(line, kPurchase);
    r.betsRemaining = FieldInt(line, kBetsRemaining);
    r.availableUnits = FieldInt(line, kAvailable);
    const int n = std::clamp(r.entryCount, 0, kVoteLogSlots);
    for (int i = 0; i < n; ++i) r.entries.push_back(parseEntry(line, i));
    return r;
}

}  // namespace clientdata
