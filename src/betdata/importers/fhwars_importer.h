// FHWARS focus data: a header per meeting ("東京 1998年 5回 2日目 12月 5日
// [12]", digits possibly full-width) and one line per race in fixed columns:
//
//   bytes 0..2   race ("11R")
//   bytes 5..6   the focus horse
//   six 5-byte cells at 8, 14, 20, 26, 32, 38: a pair "%d - %d", or a
//   two-digit 枠連 entry such as "36" (brackets 3 and 6)
#pragma once

#include <span>
#include <string>

#include "betdata/importers/import_host.h"

namespace betdata {

// The options of the FHWARS import dialog (Settings "FHWARS …").
struct FhwarsOptions {
    int takePairs = 1;         // "FHWARS REN"
    int takeWin = 0;           // "FHWARS TAN": the focus horse as 単勝
    int takePlace = 0;         // "FHWARS FUKU": the focus horse as 複勝
    int pairAmount = 100;      // "FHWARS Kingaku", yen
    int winAmount = 100;       // "FHWARS Tan Kingaku", yen
    int placeAmount = 100;     // "FHWARS Fuku Kingaku", yen
};

// Converts the staged lines; the bet lines are appended together at the end.
ImportEnd ImportFhwarsText(std::span<const std::string> lines, const FhwarsOptions& options,
                           ImportHost& host);

}  // namespace betdata
