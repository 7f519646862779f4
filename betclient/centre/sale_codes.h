// The sale codes the centre hands out in the voting terms.
//
// Race sale code: a set of bits, one per bet kind on sale in the race
// (単勝 1, 複勝 2, 枠連 4, 馬連 8); 0 = the race is not on sale.
//
//   15  all four kinds (an unnamed pair is taken as 馬連)
//    7  単勝, 複勝, 枠連 — no 馬連 (an unnamed pair is taken as 枠連)
//   11  単勝, 複勝, 馬連 — no 枠連: a field of eight or fewer, where every
//       horse has its own bracket; its bracket codes are all 0
//    0  not on sale (sales stopped)
//
// Horse sale code (per horse number 1..18):
//    7  on sale          1  scratched (取消)   2  excluded (除外)
//    0  no horse with this number
//
// Bracket sale code (per bracket 1..8), for 枠連 of two different brackets:
//    7  on sale, every horse of the bracket runs
//    5  on sale, some horse of the bracket is scratched or excluded
//    2  not on sale: no horse of the bracket runs
//    0  the bracket is empty, or the race sells no 枠連
//
// Same-bracket sale code (per bracket), for the 枠連 pair n-n:
//    7  on sale: the bracket holds two or more horses that run
//    2  cancelled (同枠取消): two or more horses drawn, fewer than two run
//    0  the bracket holds fewer than two horses, or the race sells no 枠連
#pragma once

namespace centre {

constexpr int kRaceNotOnSale = 0;
constexpr int kRaceAllKinds = 15;
constexpr int kRaceNoQuinella = 7;
constexpr int kRaceNoBracket = 11;

constexpr int kHorseNone = 0;
constexpr int kHorseScratched = 1;
constexpr int kHorseExcluded = 2;
constexpr int kHorseOnSale = 7;

constexpr int kBracketNone = 0;
constexpr int kBracketNoRunner = 2;
constexpr int kBracketPartly = 5;
constexpr int kBracketOnSale = 7;
constexpr int kBracketSaleMinimum = 5;  // this or more: the bracket can be bet

constexpr int kSameBracketNone = 0;
constexpr int kSameBracketCancelled = 2;
constexpr int kSameBracketOnSale = 7;

}  // namespace centre
