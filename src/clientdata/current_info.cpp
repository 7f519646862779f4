#include "clientdata/current_info.h"

#include <cstdio>

#include "clientdata/yen_math.h"

namespace clientdata {

namespace {

constexpr const char* kWriteFormat =
    "%04d/%02d/%02d / %9d / %9d / %9d / %9d / %9d / %9d / %9d / %3d / %4d";
constexpr const char* kReadFormat = "%d/%d/%d / %d / %d / %d / %d / %d / %d / %d / %d / %d";
constexpr int kFields = 12;
constexpr int kNoReceipt = -1;

}  // namespace

std::string SaveCurrentInfo(const base::VotingTerms& t) {
    char line[256];
    std::snprintf(line, sizeof line, kWriteFormat, t.termsYear, t.termsMonth, t.termsDay, t.todayPurchase,
                  t.todayPayout, t.prevDayPurchase, t.prevDayPayout, t.purchaseLimit, t.accountBalance,
                  t.availableAmount, t.betsRemaining, t.lastReceiptNo);
    return line;
}

void LoadCurrentInfo(base::VotingTerms& t, const std::string& line) {
    const int parsed = std::sscanf(line.c_str(), kReadFormat, &t.totalsYear, &t.totalsMonth, &t.totalsDay,
                                   &t.todayPurchase, &t.todayPayout, &t.prevDayPurchase, &t.prevDayPayout,
                                   &t.purchaseLimit, &t.accountBalance, &t.availableAmount, &t.betsRemaining,
                                   &t.lastReceiptNo);
    if (parsed < kFields) {
        t.totalsYear = t.totalsMonth = t.totalsDay = 0;
        t.todayPurchase = 0;
        t.todayPayout = 0;
        t.prevDayPurchase = 0;
        t.availableAmount = 0;
        t.betsRemaining = 0;
        t.lastReceiptNo = kNoReceipt;
    }
    t.periodPayout = AddYen(t.todayPayout, t.prevDayPayout);
    t.periodPurchase = AddYen(t.todayPurchase, t.prevDayPurchase);
}

}  // namespace clientdata
