// Reading a bet back from a canonical bet-list line, as the BetRunner and the
// timer-bet file do (e.g. "001: 東京 11R 馬連 03-05     1000" or
// "002: 中山  1R 単勝    07      500").
#pragma once

#include <cstddef>

namespace base {

// Room for a venue or kind name read from a line (4 bytes as written);
// longer words are cut, and then do not name anything.
constexpr std::size_t kReadBackWordBytes = 16;

struct ReadBackBet {
    char venue[kReadBackWordBytes] = {};  // the venue's name as written
    int race = 0;
    char kind = 0;       // BetLine kind letter: T, F, W or U
    int first = 0;
    int second = 0;      // 0 for 単勝 and 複勝
    int amountYen = 0;
};

// Reads the venue and kind names with "%*d: %s %*dR %s"; false for a line
// without that shape.
bool ReadBackNames(const char* line, char (&venue)[kReadBackWordBytes], char (&kindName)[kReadBackWordBytes]);

// Reads the kind name with "%*d: %*s %*dR %s", then the whole line with
// "%*d: %s %dR %s %d-%d %d" (枠連, 馬連) or "%*d: %s %dR %s %d %d" (単勝,
// 複勝).  False for a line that does not match, lacks a field or names
// another kind.
bool ReadBackLine(const char* line, ReadBackBet& bet);

}  // namespace base
