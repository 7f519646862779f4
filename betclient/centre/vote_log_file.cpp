#include "betclient/centre/vote_log_file.h"

#include <algorithm>
#include <cstdio>


namespace centre {

using namespace vote_log_layout;

namespace {
constexpr int kToday = 0;
constexpr int kNormalMethod = 0;
}  // namespace

std::string voteLogFileName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "Lg-%02d.JRA", number % kVoteLogNumbers);
    return name;
}

std::string formatVoteLogLine(const Day& day, const VoteRecord& rec) {
    FixedLine line;
    line.number(kYear, day.year).number(kMonth, day.month).number(kDay, day.day);
    line.number(kHour, rec.time / 100).number(kMinute, rec.time % 100);
    int accepted = 0;
    for (const auto& e : rec.entries) accepted += e.status == Acceptance::Accepted;
    line.number(kReceiptNo, rec.receiptNo).number(kAcceptedCount, accepted);
    const int count = std::min(static_cast<int>(rec.entries.size()), kEntrySlots);
    line.number(kEntryCount, count);
    line.extendTo(kRecordLength);
    for (int i = 0; i < count; ++i) {
        const Bet& b = rec.entries[i].bet;
        const bool pair = isPairKind(b.kind);
        line.number(entry(i, kEntryUsed), 1).number(entry(i, kEntryLine), i + 1);
        line.number(entry(i, kEntryDayIndex), kToday);
        line.number(entry(i, kEntryVenue), b.venue).number(entry(i, kEntryRace), b.race);
        line.number(entry(i, kEntryKind), static_cast<int>(b.kind));
        line.number(entry(i, kEntryFirst), pair ? b.first : 0);
        line.number(entry(i, kEntrySecond), pair ? b.second : b.first);
        line.number(entry(i, kEntryUnits), b.units);
        line.number(entry(i, kEntryStatus), static_cast<int>(rec.entries[i].status));
        line.number(entry(i, kEntryMethod), kNormalMethod);
    }
    line.number(kPurchaseUnits, rec.purchaseUnits).number(kBetsRemaining, rec.betsRemaining);
    line.number(kAvailableUnits, rec.availableUnits);
    return line.str();
}

}  // namespace centre
