// Venue and kind names as the importers read and write them.
#pragma once

#include <string>
#include <string_view>

namespace betdata {

// Headers name the venue in kanji; the word, cut to 4 bytes, is searched in
// this text of ten 5-byte records (name and a space), in venue order.
constexpr std::string_view kImportVenueText = "札幌 函館 福島 新潟 東京 中山 中京 京都 阪神 小倉 ";
constexpr std::size_t kImportVenueRecord = 5;
constexpr std::size_t kVenueNameBytes = 4;

// The venue number 1..10 of a header word, or 0 when it names none.
int importVenueNumber(std::string_view word);
// The 4-byte name of venue 1..10 ("" for anything else).
std::string importVenueName(int venue);

// Kind letters as the bet lines store them, with the names the importers
// write and compare.
constexpr char kKindTan = 'T';     // 単勝
constexpr char kKindFuku = 'F';    // 複勝
constexpr char kKindWaku = 'W';    // 枠連
constexpr char kKindUmaren = 'U';  // 馬連
constexpr char kKindNone = 0;

// "単勝", "複勝", "枠連", "馬連" for the four letters; "" otherwise.
const char* importKindName(char kind);
// The letter whose name is exactly word, or kKindNone.
char importKindOfName(std::string_view word);
inline bool isPairKind(char kind) { return kind == kKindWaku || kind == kKindUmaren; }

}  // namespace betdata
