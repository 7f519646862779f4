// The day text format.
//
// Shift-JIS text, one record per line.  "#" starts a comment that runs to the
// end of the line; blank lines are ignored; words are separated by blanks or
// tabs.  Records:
//
//   date 1998-12-05
//   seed 1                                  the generator's seed (generated days)
//   account user=12345678 password=1234 limit=100000 balance=250000
//           prev-purchase=12000 prev-payout=8000        (one line; yen)
//   meeting 東京 kai=5 nichime=3            venue by name or by code 1..10
//   race 11 sale=15 start=15:35 horses=7777777717777777
//           [brackets=77777577 same=00000020]           (one line)
//   order 3=7 5 1 12                        finishing order, "=" joins a dead heat
//   win 3:350 7:420                         単勝: horse:payout per 100 yen
//   place 3:150 7:160 5:300                 複勝
//   bracket 2-4:1230                        枠連: bracket-bracket:payout
//   quinella 3-7:2450                       馬連: horse-horse:payout
//
// "date" comes first and is required.  "account" may be left out: the
// generator's user ID and password with limit and balance 100000.  Up to three
// "meeting" records in slot order; each "race" belongs to the meeting above
// it, races left out are not on sale.  "horses" gives the horse sale codes of
// horses 1, 2, ... one digit each (7 on sale, 1 scratched, 2 excluded; see
// sale_codes.h); the bracket and same-bracket codes follow from them unless
// "brackets" and "same" give all eight digits.  A race has a result when an
// "order" line follows it; the payout lines that follow it list the winning
// combinations of each kind (a second entry is a dead heat).
#include "betclient/centre/day_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "betclient/centre/brackets.h"
#include "betclient/centre/day_check.h"
#include "betclient/centre/generator.h"
#include "betclient/centre/venues.h"
#include "betclient/centre/words.h"

namespace centre {

namespace {

constexpr int kDefaultAccountAmount = 100000;

// "a<sep>b" into two numbers.
bool toIntPair(std::string_view s, char sep, int& a, int& b) {
    auto at = s.find(sep);
    return at != std::string_view::npos && toInt(s.substr(0, at), a) && toInt(s.substr(at + 1), b);
}

// "H:MM" or "HHMM" into hour * 100 + minute.
bool toTime(std::string_view s, int& hhmm) {
    int h = 0, m = 0;
    if (s.find(':') != std::string_view::npos) {
        if (!toIntPair(s, ':', h, m)) return false;
    } else {
        if (!toInt(s, hhmm)) return false;
        h = hhmm / 100;
        m = hhmm % 100;
    }
    hhmm = h * 100 + m;
    return h < 24 && m < 60;
}

// A whole number of up to 64 bits.
bool toSeed(std::string_view s, std::uint64_t& value) {
    if (s.empty()) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    return true;
}

template <std::size_t N>
bool toDigits(std::string_view s, std::array<std::uint8_t, N>& codes, bool exact) {
    if (s.size() > N || (exact && s.size() != N)) return false;
    codes.fill(0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        codes[i] = static_cast<std::uint8_t>(s[i] - '0');
    }
    return true;
}

class Parser {
public:
    explicit Parser(Day& day) : day_(day) {}

    // "" or the reason the line is refused.
    std::string line(const std::vector<std::string_view>& w) {
        const std::string_view rec = w[0];
        if (rec == "date") return date(w);
        if (!haveDate_) return "the first record must be the date";
        if (rec == "account") return account(w);
        if (rec == "seed") return seed(w);
        if (rec == "meeting") return meeting(w);
        if (rec == "race") return race(w);
        if (rec != "order" && rec != "win" && rec != "place" && rec != "bracket" && rec != "quinella")
            return "unknown record";
        if (!race_) return "a result needs a race above it";
        if (rec == "order") return order(w);
        return payouts(w, rec == "win"       ? Kind::Win
                          : rec == "place"   ? Kind::Place
                          : rec == "bracket" ? Kind::Bracket
                                             : Kind::Quinella);
    }

    std::string finish() {
        if (!haveDate_) return "no date";
        finishRace();
        return {};
    }

private:
    std::string date(const std::vector<std::string_view>& w) {
        if (haveDate_) return "date given twice";
        int y, m, d;
        if (w.size() != 2 || w[1].size() != 10 || w[1][4] != '-' || w[1][7] != '-' ||
            !toInt(w[1].substr(0, 4), y) || !toInt(w[1].substr(5, 2), m) ||
            !toInt(w[1].substr(8, 2), d))
            return "date must read YYYY-MM-DD";
        day_ = Day{};
        day_.year = y;
        day_.month = m;
        day_.day = d;
        day_.account = {kDefaultUserId, kDefaultPassword, kDefaultAccountAmount,
                        kDefaultAccountAmount, 0, 0};
        haveDate_ = true;
        return {};
    }

    std::string seed(const std::vector<std::string_view>& w) {
        std::uint64_t value = 0;
        if (w.size() != 2 || !toSeed(w[1], value)) return "seed must be a number";
        day_.seed = value;
        return {};
    }

    std::string account(const std::vector<std::string_view>& w) {
        Account& a = day_.account;
        for (std::size_t i = 1; i < w.size(); ++i) {
            auto eq = w[i].find('=');
            if (eq == std::string_view::npos) return "account fields read key=value";
            std::string_view key = w[i].substr(0, eq), val = w[i].substr(eq + 1);
            int* amount = key == "limit"           ? &a.purchaseLimit
                          : key == "balance"       ? &a.balance
                          : key == "prev-purchase" ? &a.prevDayPurchase
                          : key == "prev-payout"   ? &a.prevDayPayout
                                                   : nullptr;
            if (key == "user") a.userId = std::string(val);
            else if (key == "password") a.password = std::string(val);
            else if (!amount) return "unknown account field";
            else if (!toInt(val, *amount)) return "account amount must be a number";
        }
        return {};
    }

    std::string meeting(const std::vector<std::string_view>& w) {
        finishRace();
        if (day_.meetings.size() >= kMaxMeetings) return "more than three meetings";
        if (w.size() < 2) return "meeting needs a venue";
        Meeting m;
        m.venue = venueByName(w[1]);
        if (m.venue == 0 && (!toInt(w[1], m.venue) || m.venue < 1 || m.venue > 10))
            return "unknown venue";
        for (std::size_t i = 2; i < w.size(); ++i) {
            int v;
            if (w[i].starts_with("kai=") && toInt(w[i].substr(4), v)) m.kai = v;
            else if (w[i].starts_with("nichime=") && toInt(w[i].substr(8), v)) m.nichime = v;
            else return "meeting fields are kai=N nichime=N";
        }
        day_.meetings.push_back(m);
        meeting_ = &day_.meetings.back();
        race_ = nullptr;
        return {};
    }

    std::string race(const std::vector<std::string_view>& w) {
        finishRace();
        if (!meeting_) return "a race needs a meeting above it";
        int r;
        if (w.size() < 2 || !toInt(w[1], r) || r < 1 || r > kRacesPerMeeting)
            return "race number must be 1..12";
        race_ = &meeting_->races[r - 1];
        *race_ = Race{};
        explicitBrackets_ = false;
        bool haveSame = false;
        for (std::size_t i = 2; i < w.size(); ++i) {
            auto eq = w[i].find('=');
            std::string_view key = w[i].substr(0, eq == std::string_view::npos ? 0 : eq);
            std::string_view val = eq == std::string_view::npos ? "" : w[i].substr(eq + 1);
            bool ok = key == "sale"       ? toInt(val, race_->saleCode)
                      : key == "start"    ? toTime(val, race_->startTime)
                      : key == "horses"   ? toDigits(val, race_->horseCodes, false)
                      : key == "brackets" ? (explicitBrackets_ = toDigits(val, race_->bracketCodes, true))
                      : key == "same"     ? (haveSame = toDigits(val, race_->sameBracketCodes, true))
                                          : false;
            if (!ok) return "bad race field";
        }
        if (explicitBrackets_ != haveSame) return "brackets and same go together";
        return {};
    }

    std::string order(const std::vector<std::string_view>& w) {
        auto& order = race_->result.order;
        order.clear();
        for (std::size_t i = 1; i < w.size(); ++i) {
            const int place = static_cast<int>(order.size()) + 1;
            std::string_view group = w[i];
            while (true) {
                auto eq = group.find('=');
                int h;
                if (!toInt(group.substr(0, eq), h)) return "order lists horse numbers";
                order.push_back({h, place});
                if (eq == std::string_view::npos) break;
                group = group.substr(eq + 1);
            }
        }
        if (order.empty()) return "order lists horse numbers";
        return {};
    }

    std::string payouts(const std::vector<std::string_view>& w, Kind k) {
        if (race_->result.order.empty()) return "payouts follow the order line";
        auto& entries = race_->result.of(k);
        entries.clear();
        for (std::size_t i = 1; i < w.size(); ++i) {
            PayoutEntry e;
            auto colon = w[i].find(':');
            if (colon == std::string_view::npos || !toInt(w[i].substr(colon + 1), e.payout))
                return "payouts read number:payout";
            std::string_view nums = w[i].substr(0, colon);
            bool ok = isPairKind(k) ? toIntPair(nums, '-', e.first, e.second) : toInt(nums, e.first);
            if (!ok) return "bad winning number";
            if (e.first > e.second && isPairKind(k)) std::swap(e.first, e.second);
            entries.push_back(e);
        }
        return {};
    }

    void finishRace() {
        if (race_ && !explicitBrackets_) deriveBracketCodes(*race_);
        race_ = nullptr;
    }

    Day& day_;
    bool haveDate_ = false;
    Meeting* meeting_ = nullptr;
    Race* race_ = nullptr;
    bool explicitBrackets_ = false;
};

template <std::size_t N>
std::string digits(const std::array<std::uint8_t, N>& codes, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s += static_cast<char>('0' + codes[i] % 10);
    return s;
}

std::string formatRace(int r, const Race& race) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "race %d sale=%d start=%d:%02d horses=%s", r, race.saleCode,
                  race.startTime / 100, race.startTime % 100,
                  digits(race.horseCodes, race.fieldSize()).c_str());
    std::string text = buf;
    Race derived = race;
    deriveBracketCodes(derived);
    if (derived.bracketCodes != race.bracketCodes || derived.sameBracketCodes != race.sameBracketCodes)
        text += " brackets=" + digits(race.bracketCodes, kBrackets) +
                " same=" + digits(race.sameBracketCodes, kBrackets);
    text += "\n";
    const RaceResult& res = race.result;
    if (!res.known()) return text;
    text += "order";
    for (std::size_t i = 0; i < res.order.size(); ++i) {
        bool tied = i > 0 && res.order[i].place == res.order[i - 1].place;
        text += (tied ? "=" : " ") + std::to_string(res.order[i].horse);
    }
    text += "\n";
    static constexpr const char* kKindWords[] = {"win", "place", "bracket", "quinella"};
    for (Kind k : kAllKinds) {
        if (res.of(k).empty()) continue;
        text += kKindWords[kindIndex(k)];
        for (const auto& e : res.of(k)) {
            text += " " + std::to_string(e.first);
            if (isPairKind(k)) text += "-" + std::to_string(e.second);
            text += ":" + std::to_string(e.payout);
        }
        text += "\n";
    }
    return text;
}

}  // namespace

bool parseDayText(std::string_view text, Day& day, std::string& error) {
    Parser parser(day);
    std::string err;
    int badLine = forEachLine(text, [&](int, const std::vector<std::string_view>& words) {
        err = parser.line(words);
        return err.empty();
    });
    if (badLine) {
        error = "line " + std::to_string(badLine) + ": " + err;
        return false;
    }
    error = parser.finish();
    if (error.empty()) error = checkDay(day);
    return error.empty();
}

std::string formatDayText(const Day& day) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "date %04d-%02d-%02d\n", day.year, day.month, day.day);
    std::string text = "# racing day of the betting centre\n";
    text += buf;
    if (day.seed) text += "seed " + std::to_string(*day.seed) + "\n";
    const Account& a = day.account;
    std::snprintf(buf, sizeof buf, "account user=%s password=%s limit=%d balance=%d prev-purchase=%d prev-payout=%d\n",
                  a.userId.c_str(), a.password.c_str(), a.purchaseLimit, a.balance,
                  a.prevDayPurchase, a.prevDayPayout);
    text += buf;
    for (const Meeting& m : day.meetings) {
        text += "\nmeeting " + std::string(venueName(m.venue)) + " kai=" + std::to_string(m.kai) +
                " nichime=" + std::to_string(m.nichime) + "\n";
        for (int r = 1; r <= kRacesPerMeeting; ++r)
            if (!(m.races[r - 1] == Race{})) text += formatRace(r, m.races[r - 1]);
    }
    return text;
}

}  // namespace centre
