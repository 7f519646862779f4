// Venue words and kind words as the importers read them.
#pragma once

#include <string_view>

#include "betdata/bet_line.h"

namespace betdata {

constexpr std::size_t kVenueNameBytes = 4;
constexpr char kNoKind = 0;

// The venue (1..10) named by a header word cut to its first 4 bytes, found
// in the 5-byte venue name text; 0 when it names none.
int importVenue(std::string_view word);
// The kind letter whose name ("単勝", "複勝", "枠連", "馬連") is exactly
// word; kNoKind for anything else.
char importKindOfName(std::string_view word);

}  // namespace betdata
