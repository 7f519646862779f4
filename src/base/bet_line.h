// One bet: venue, race, kind, numbers and amount.
#pragma once

#include <cstdint>

namespace base {

// Kind letters as a BetLine stores them.
constexpr char kKindTansho = 'T';   // 単勝: one horse
constexpr char kKindFukusho = 'F';  // 複勝: one horse
constexpr char kKindWakuren = 'W';  // 枠連: two brackets
constexpr char kKindUmaren = 'U';   // 馬連: two horses

constexpr bool isSingleKind(char kind) { return kind == kKindTansho || kind == kKindFukusho; }
constexpr bool isPairKind(char kind) { return kind == kKindWakuren || kind == kKindUmaren; }
constexpr bool isBetKind(char kind) { return isSingleKind(kind) || isPairKind(kind); }

constexpr int kYenPerUnit = 100;
// The amount field holds at most this many units (3,276,700 yen).
constexpr int kMaxAmountUnits = 32767;

struct BetLine {
    std::uint8_t venue = 0;   // 1..10, row of the Venue table
    std::uint8_t race = 0;    // 1..12
    char kind = 0;            // T, F, W or U
    std::uint8_t first = 0;   // horse 1..18 or bracket 1..8
    std::uint8_t second = 0;  // 0 for single kinds; never below first for pairs
    std::int16_t amount = 0;  // units of 100 yen
};

// Orders two bets by identity (venue, race, kind letter, first, second, as
// unsigned bytes): negative, 0 or positive.
constexpr int compareIdentity(const BetLine& a, const BetLine& b) {
    if (a.venue != b.venue) return a.venue < b.venue ? -1 : 1;
    if (a.race != b.race) return a.race < b.race ? -1 : 1;
    auto ka = static_cast<unsigned char>(a.kind), kb = static_cast<unsigned char>(b.kind);
    if (ka != kb) return ka < kb ? -1 : 1;
    if (a.first != b.first) return a.first < b.first ? -1 : 1;
    if (a.second != b.second) return a.second < b.second ? -1 : 1;
    return 0;
}

}  // namespace base
