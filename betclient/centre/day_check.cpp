#include "betclient/centre/day_check.h"

#include <cctype>
#include <set>


namespace centre {

namespace {

bool isValidDate(int y, int m, int d) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1000 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[m - 1] + (m == 2 && leap);
}

bool isDigits(const std::string& s, std::size_t maxLen) {
    if (s.empty() || s.size() > maxLen) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string checkResult(const Race& race, const std::string& where) {
    const RaceResult& res = race.result;
    const int n = race.fieldSize();
    int lastPlace = 0;
    for (const auto& f : res.order) {
        if (!race.horseOnSale(f.horse)) return where + ": finisher is not a runner";
        if (f.place < 1 || f.place < lastPlace) return where + ": finishing places out of order";
        lastPlace = f.place;
    }
    for (Kind k : kAllKinds) {
        const auto& entries = res.of(k);
        if (static_cast<int>(entries.size()) > payoutCapacity(k))
            return where + ": too many payout entries for " + std::to_string(static_cast<int>(k));
        const int top = k == Kind::Bracket ? kBrackets : n;
        for (const auto& e : entries) {
            if (e.first < 1 || e.first > top) return where + ": payout number out of range";
            if (isPairKind(k) && (e.second < e.first || e.second > top ||
                                  (k == Kind::Quinella && e.second == e.first)))
                return where + ": payout pair out of range";
            if (!isPairKind(k) && e.second != 0) return where + ": single kind with a pair";
            if (e.payout < 1 || e.payout > kMaxPayout) return where + ": payout out of range";
        }
    }
    return {};
}

std::string checkRace(const Race& race, const std::string& where) {
    if (race.saleCode < 0 || race.saleCode > kMaxRaceSaleCode) return where + ": bad sale code";
    if (race.startTime < 0 || race.startTime / 100 > 23 || race.startTime % 100 > 59)
        return where + ": bad start time";
    for (auto c : race.horseCodes)
        if (c > kMaxCode) return where + ": horse code above 9";
    for (int b = 0; b < kBrackets; ++b)
        if (race.bracketCodes[b] > kMaxCode || race.sameBracketCodes[b] > kMaxCode)
            return where + ": bracket code above 9";
    return checkResult(race, where);
}

}  // namespace

int payoutCapacity(Kind k) { return k == Kind::Place ? 5 : 3; }

std::string checkDay(const Day& day) {
    if (!isValidDate(day.year, day.month, day.day)) return "bad date";
    if (day.meetings.size() > kMaxMeetings) return "more than three meetings";
    std::set<int> venues;
    for (std::size_t s = 0; s < day.meetings.size(); ++s) {
        const Meeting& m = day.meetings[s];
        const std::string where = "meeting " + std::to_string(s + 1);
        if (m.venue < 1 || m.venue > 10) return where + ": bad venue";
        if (!venues.insert(m.venue).second) return where + ": venue held twice";
        if (m.kai < 1 || m.kai > kMaxKai) return where + ": kai outside 1..9";
        if (m.nichime < 1 || m.nichime > kMaxNichime) return where + ": nichime outside 1..9";
        for (int r = 1; r <= kRacesPerMeeting; ++r) {
            std::string err = checkRace(m.races[r - 1], where + " race " + std::to_string(r));
            if (!err.empty()) return err;
        }
    }
    const Account& a = day.account;
    if (!isDigits(a.userId, kMaxUserIdDigits)) return "user ID must be 1 to 8 digits";
    if (!isDigits(a.password, kMaxPasswordDigits)) return "password must be 1 to 4 digits";
    if (a.purchaseLimit < 0 || a.purchaseLimit > kMaxTermsAmount) return "purchase limit out of range";
    if (a.balance < 0 || a.balance > kMaxTermsAmount) return "balance out of range";
    if (a.prevDayPurchase < 0 || a.prevDayPurchase > kMaxPrevDayAmount ||
        a.prevDayPayout < 0 || a.prevDayPayout > kMaxPrevDayAmount)
        return "previous-day amount out of range";
    return {};
}

}  // namespace centre
