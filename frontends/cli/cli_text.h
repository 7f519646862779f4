// Text in and out of the batch commands: input files or standard input,
// line ends, and the choice between Shift-JIS and UTF-8 output.
#pragma once

#include <string>

namespace cli {

// The whole of a file, or of standard input when path is empty or "-".
// False with a one-line reason when it cannot be read.
bool readInput(const std::string& path, std::string& bytes, std::string& error);

// Writes bytes to a host file, replacing it; false when it cannot.
bool writeFile(const std::string& path, const std::string& bytes);

// LF and CR LF line ends become CR LF, as the list edit holds them.
std::string withCrLf(const std::string& text);

// The text starts with the UTF-8 byte-order mark.
bool startsWithByteOrderMark(const std::string& bytes);

// Bet text as read from a file or standard input, as the list edit takes
// it: Shift-JIS with CR LF line ends.  UTF-8 text (utf8, or a text that
// starts with the UTF-8 byte-order mark, which is left out) is converted.
std::string betTextFromInput(const std::string& bytes, bool utf8);

// A box's text as printed: CR and LF written as "\r" and "\n".
std::string escapeLineBreaks(const std::string& text);

// Shift-JIS text as it is written out: unchanged, or converted to UTF-8.
std::string outputText(const std::string& cp932, bool utf8);

// Writes bytes to standard output unchanged.
void writeOut(const std::string& bytes);

}  // namespace cli
