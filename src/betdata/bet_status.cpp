#include "betdata/bet_status.h"

#include <cstdio>

namespace betdata {

namespace {

constexpr const char* kRefusedLineFormat = "受付不可%9d/ %3d Bet\r\n";
constexpr const char* kListLineFormat = "ベット計%9d/ %3d Bet\r\n";
constexpr const char* kTermsLinesFormat =
    "投票合計%9d/ %3d Bet\r\n"
    "購入可能%9d/ %3d Bet\r\n"
    "本節収支%9d/%8d\r\n"
    "本日収支%9d/%8d\r\n"
    "前日収支%9d/%8d\r\n"
    "口座残高%9d/%8d\r\n"
    "投票要項 %02d/%02d\r\n"
    "発走時刻 %02d/%02d";
// Every value at its widest (11 characters for an int) fits with room.
constexpr std::size_t kStatusBytes = 512;
constexpr int kRaceCardDayDivisor = 100;  // raceCardDate is month * 100 + day

}  // namespace

std::string FormatBetStatus(int listCount, int listTotalYen, const base::VotingTerms& t, RefusedTally refused) {
    char text[kStatusBytes];
    int used = 0;
    auto add = [&](int n) { used += n > 0 ? n : 0; };
    if (refused.count > 0)
        add(std::snprintf(text, sizeof text, kRefusedLineFormat, refused.totalYen, refused.count));
    if (listCount > 0)
        add(std::snprintf(text + used, sizeof text - static_cast<std::size_t>(used), kListLineFormat, listTotalYen,
                          listCount));
    std::snprintf(text + used, sizeof text - static_cast<std::size_t>(used), kTermsLinesFormat,
                  t.todayPurchase, base::kBetsPerDay - t.betsRemaining, t.availableAmount,
                  t.betsRemaining, t.periodPayout, t.periodPurchase, t.todayPayout, t.todayPurchase,
                  t.prevDayPayout, t.prevDayPurchase, t.purchaseLimit, t.accountBalance,
                  t.termsMonth, t.termsDay, t.raceCardDate / kRaceCardDayDivisor,
                  t.raceCardDate % kRaceCardDayDivisor);
    return text;
}

}  // namespace betdata
