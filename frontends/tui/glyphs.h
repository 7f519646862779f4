// Shift-JIS text as terminal cells.
//
// The program's windows measure text the way their font does: a half-width
// character (one byte) is one column and a double-byte character two, so a
// text is as many columns wide as it has bytes.  Each character is drawn in
// its columns: a double-byte character the terminal shows one column wide
// (an ambiguous-width symbol such as ○ or ①) is followed by a blank, so the
// columns of everything after it stay where the window put them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tui {

struct Glyph {
    char32_t code = U' ';  // what the terminal draws
    int columns = 1;       // the columns the character takes in the window (1 or 2)
    int drawnWidth = 1;    // the columns the terminal gives `code` (at most `columns`)
};

// The glyphs of Shift-JIS text, one per character.  Control characters and
// bytes that are no character are drawn as '?' (a tab is the caller's).
std::vector<Glyph> glyphsOf(std::string_view cp932);

// One character's glyph; `bytes` is 1 or 2 bytes of Shift-JIS.
Glyph glyphOf(std::string_view bytes);

// UTF-8 of a code point.
std::string utf8Of(char32_t code);

}  // namespace tui
