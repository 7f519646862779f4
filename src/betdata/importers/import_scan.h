// Small readers shared by the importers: lines cut to their buffers,
// numbers read like atoi from a few bytes, and searches that respect
// double-byte characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace betdata::importscan {

// The line as a buffer of bufferSize bytes holds it (at most
// bufferSize - 1 bytes; longer lines are cut).
std::string cutToBuffer(std::string_view line, std::size_t bufferSize);

// The leading decimal value of text, read like atoi: leading white space,
// an optional sign, digits; 0 when there are none.
int leadingInt(std::string_view text);

// The bytes [from, from + count) of line (as many as exist) read like atoi.
int numberAt(std::string_view line, std::size_t from, std::size_t count);

// The two bytes just before pos read like atoi: the number written in front
// of a kanji such as 年 or 月 (" 5月" gives 5, "12月" 12, "2 月" 2).
int numberBefore(std::string_view line, std::size_t pos);

// Position of needle in line starting at a character boundary at or after
// from; npos when absent.  Trail bytes are never taken for ASCII letters.
std::size_t find(std::string_view line, std::string_view needle, std::size_t from = 0);

// True for the blanks that scanf's white-space directive skips.
bool isBlank(char c);

// The word (run of non-blank bytes) starting at the first non-blank byte at
// or after from; wordEnd receives the position just after it.
std::string_view wordAt(std::string_view line, std::size_t from, std::size_t& wordEnd);

}  // namespace betdata::importscan
