// What the vote form holds while a bet is being put together: day, venue,
// race, kind, method, the numbers clicked and the amount on the keypad; and
// what its "Ｏ　Ｋ" makes of it.  Plain logic, no windows.
#pragma once

#include <optional>
#include <vector>

#include "betclient/centre/day.h"
#include "betclient/centre/voting.h"

namespace betclient {

constexpr int kAmountDigits = 4;  // the keypad takes up to 9999 x 100 yen
constexpr int kSameBracketCell = 9;

struct VoteEntry {
    int dayIndex = 0;  // 0 当日, 1 前日
    int venue = 0;
    int race = 1;
    std::optional<centre::Kind> kind;
    std::optional<bool> wheel;  // 総流し (true) or 通常 (false); pair kinds only
    std::vector<int> numbers;   // horses, or brackets for 枠連, in the order chosen
    int units = 0;              // amount in 100 yen
    bool amountTaken = false;   // a bet took the amount: the next digit starts a new one
};

enum class EntryProblem {
    None,
    NoKind,
    PreviousDay,
    NoRace,
    PairMethod,    // 枠連/馬連 without 通常 or 総流し
    PairWheel,     // 総流し with other than one number
    SingleNumber,  // 単勝/複勝 without its number
    PairNumbers,   // 通常 pair without two numbers
    Amount,
};

// Keypad.
void pressDigit(VoteEntry& entry, int digit);
void clearAmount(VoteEntry& entry);

// Kind and method: a new kind clears the numbers.  With pairStartsOnNormal
// (the ideal client) a pair kind starts on 通常 (or keeps the method of the
// pair kind before); otherwise a new kind leaves the method unchosen.
void chooseKind(VoteEntry& entry, centre::Kind kind, bool pairStartsOnNormal = true);
void chooseMethod(VoteEntry& entry, bool wheel);
// The grid cells that take a click in the race for the entry's kind: horses
// on sale, brackets with a runner, and cell 9 (same bracket) when the chosen
// bracket's n-n pair is sold or cancelled.
bool cellOpen(const VoteEntry& entry, const centre::Race* race, int cell);
// A click on a grid cell: one-number kinds and 総流し take one number (a
// second click on it clears it); a 通常 pair takes two (clicking a chosen
// number clears it, a third replaces the second).  For 枠連 cell 9 pairs the
// chosen bracket with itself.
void clickCell(VoteEntry& entry, int cell);

EntryProblem checkEntry(const VoteEntry& entry, const centre::Day& day);
// The bets the entry stands for: one, or for 総流し one per partner on sale.
std::vector<centre::Bet> expandEntry(const VoteEntry& entry, const centre::Day& day);
// Whether the race announces 同枠取消 for a bracket: its n-n pair cancelled.
bool sameBracketCancelled(const centre::Race* race, int bracket);

}  // namespace betclient
