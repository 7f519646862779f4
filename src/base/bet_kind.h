// The four bet kinds and the text through which free text names them.
#pragma once

#include <cstddef>
#include <string_view>

namespace base {

constexpr const char* kKindNameTansho = "単勝";
constexpr const char* kKindNameFukusho = "複勝";
constexpr const char* kKindNameWakuren = "枠連";
constexpr const char* kKindNameUmaren = "馬連";

// A token found in this text at byte offset p selects the byte at p + 5.
constexpr std::string_view kKindLookupText = "単勝 T 複勝 F 枠連 W 馬連 U ";
constexpr std::size_t kKindLetterOffset = 5;

// True when the token occurs in the kind text; kind is then the byte 5 bytes
// after the match, or 0 when the text ends before it (a lone "U"), which is
// no kind at all.
bool FindKindToken(std::string_view token, char& kind);

// The name of a kind letter ("単勝" for 'T', ...); "" for anything else.
const char* KindName(char kind);

}  // namespace base
