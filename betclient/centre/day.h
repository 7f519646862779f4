// One racing day as the betting centre knows it: the meetings, their races
// with sale codes, start times and results, and the account of the user.
//
// Amounts of the account are in yen; payouts are yen paid per 100 yen
// staked; times are hour * 100 + minute.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace centre {

constexpr int kMaxMeetings = 3;
constexpr int kRacesPerMeeting = 12;
constexpr int kMaxHorses = 18;
constexpr int kBrackets = 8;

// Bet kinds, numbered as the vote log numbers them.
enum class Kind : int { Win = 1, Place = 2, Bracket = 3, Quinella = 4 };  // 単勝 複勝 枠連 馬連
constexpr int kKindCount = 4;
constexpr std::array<Kind, kKindCount> kAllKinds = {Kind::Win, Kind::Place, Kind::Bracket,
                                                    Kind::Quinella};
constexpr int kindIndex(Kind k) { return static_cast<int>(k) - 1; }
// The bit of the kind in a race sale code.
constexpr int kindSaleBit(Kind k) { return 1 << kindIndex(k); }
constexpr bool isPairKind(Kind k) { return k == Kind::Bracket || k == Kind::Quinella; }
// "単勝", "複勝", "枠連", "馬連" (Shift-JIS, four bytes).
std::string_view kindName(Kind k);

// A winning combination and its payout per 100 yen.  For 単勝 and 複勝 the
// horse is `first` and `second` is 0; pairs are stored smaller number first.
struct PayoutEntry {
    int first = 0;
    int second = 0;
    int payout = 0;
    friend bool operator==(const PayoutEntry&, const PayoutEntry&) = default;
};

// A horse and its finishing place; horses in a dead heat share the place,
// and the next place is skipped (1, 1, 3).
struct Finisher {
    int horse = 0;
    int place = 0;
    friend bool operator==(const Finisher&, const Finisher&) = default;
};

struct RaceResult {
    std::vector<Finisher> order;  // leading finishers, best first
    std::array<std::vector<PayoutEntry>, kKindCount> payouts;  // by kindIndex

    bool known() const { return !order.empty(); }
    const std::vector<PayoutEntry>& of(Kind k) const { return payouts[kindIndex(k)]; }
    std::vector<PayoutEntry>& of(Kind k) { return payouts[kindIndex(k)]; }
    friend bool operator==(const RaceResult&, const RaceResult&) = default;
};

struct Race {
    int saleCode = 0;   // see sale_codes.h
    int startTime = 0;  // hour * 100 + minute
    std::array<std::uint8_t, kMaxHorses> horseCodes{};
    std::array<std::uint8_t, kBrackets> bracketCodes{};
    std::array<std::uint8_t, kBrackets> sameBracketCodes{};
    RaceResult result;

    // Highest horse number drawn (scratched horses included).
    int fieldSize() const;
    // Horses with a non-zero code, and those on sale.
    int runnerCount() const;
    int horsesOnSale() const;
    bool horseOnSale(int horse) const;
    bool sells(Kind k) const { return saleCode > 0 && (saleCode & kindSaleBit(k)) != 0; }
    friend bool operator==(const Race&, const Race&) = default;
};

struct Meeting {
    int venue = 0;    // 1..10
    int kai = 0;      // 回
    int nichime = 0;  // 日目
    std::array<Race, kRacesPerMeeting> races{};  // races[r - 1] is race r
    friend bool operator==(const Meeting&, const Meeting&) = default;
};

struct Account {
    std::string userId;    // up to 8 digits
    std::string password;  // up to 4 digits
    int purchaseLimit = 0;  // 購入限度額, yen
    int balance = 0;        // 口座残高, yen
    int prevDayPurchase = 0;
    int prevDayPayout = 0;
    friend bool operator==(const Account&, const Account&) = default;
};

struct Day {
    int year = 0, month = 0, day = 0;
    std::vector<Meeting> meetings;  // at most kMaxMeetings, slot order
    Account account;
    // The generator's seed when the day was generated: the days that follow
    // it are generated with the same seed.
    std::optional<std::uint64_t> seed;

    // The meeting at the venue, or nullptr.
    const Meeting* meetingAt(int venue) const;
    // The race, or nullptr when the venue holds no meeting or r is outside 1..12.
    const Race* race(int venue, int r) const;
    friend bool operator==(const Day&, const Day&) = default;
};

// Day of the week, 0 = Sunday.
int weekday(int year, int month, int day);

// Times as hour * 100 + minute, and minutes since midnight.
constexpr int toMinutes(int hhmm) { return hhmm / 100 * 60 + hhmm % 100; }
constexpr int toHhmm(int minutes) { return minutes / 60 * 100 + minutes % 60; }

}  // namespace centre
