// The ten racecourses and the texts through which free text names them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace base {

constexpr int kVenueCount = 10;

struct Venue {
    int number;            // 1..10; the racecourse code of the voting terms
    const char* name;      // two kanji, 4 bytes
    const char* code;      // two letters
    const char* oneKanji;  // 中京 is "名" (中 is 中山)
};

extern const std::array<Venue, kVenueCount> kVenues;

// Ten records of exactly 15 bytes: name, blank, code, blanks (中京 also
// carries its one-kanji form).  Any byte substring of a record names it.
constexpr std::string_view kVenueLookupText =
    "札幌 SP        函館 HK        福島 FK        新潟 NG        東京 TK        "
    "中山 NK        中京 CK   名   京都 KT        阪神 HN        小倉 KK        ";
constexpr std::size_t kVenueRecordBytes = 15;

// Ten records of 5 bytes (name and blank), used by the importers.
constexpr std::string_view kVenueNamesText = "札幌 函館 福島 新潟 東京 中山 中京 京都 阪神 小倉 ";
constexpr std::size_t kVenueNameRecordBytes = 5;

// The venue whose record holds the first occurrence of token in the lookup
// text (so "東京", "TK" and "東" all give 5); 0 when absent or empty.
int VenueFromToken(std::string_view token);
// The same over the 5-byte name text.
int VenueFromName(std::string_view name);
// The 4-byte name of venue 1..10; "" for any other number.
const char* VenueName(int venue);

}  // namespace base
