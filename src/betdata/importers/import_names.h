// Venue words and kind words as the importers read them.
#pragma once

#include <string_view>

#include "base/bet_line.h"

namespace betdata {

constexpr std::size_t kVenueNameBytes = 4;
constexpr char kNoKind = 0;

// The kanji that follow the numbers of a header.
constexpr std::string_view kYearKanji = "年";
constexpr std::string_view kMonthKanji = "月";
constexpr std::string_view kDayKanji = "日";
constexpr std::string_view kKaiKanji = "回";

constexpr int kFirstRace = 1;
constexpr int kLastRace = 12;
constexpr bool isRace(int race) { return race >= kFirstRace && race <= kLastRace; }
// Fixed-column data lines mark their race with 'R' (or 'r') in byte 2.
constexpr std::size_t kRaceMarkColumn = 2;
constexpr bool isRaceMark(char c) { return c == 'R' || c == 'r'; }
// A two-digit bracket entry n stands for the brackets n / 10 and n % 10.
constexpr int kBracketDigits = 10;

// The venue (1..10) named by a header word cut to its first 4 bytes, found
// in the 5-byte venue name text; 0 when it names none.
int importVenue(std::string_view word);
// The kind letter whose name ("単勝", "複勝", "枠連", "馬連") is exactly
// word; kNoKind for anything else.
char importKindOfName(std::string_view word);

}  // namespace betdata
