// Shift-JIS (code page 932) text: the program's text is CP932 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Conversions at the human boundary (terminal, --utf8, test output).
// Bytes that cannot be converted become '?'.
std::string toUtf8(std::string_view cp932);
std::string fromUtf8(std::string_view utf8);

// Byte-wise search.  With respectCharacters, a match may only start on a
// character boundary (trail bytes are skipped).  Returns npos when absent.
std::size_t find(std::string_view text, std::string_view needle, std::size_t from = 0,
                 bool respectCharacters = false);

// Last separator ('\\' or '/') that is not the trail byte of a double-byte
// character; npos when none.
std::size_t lastSeparator(std::string_view path);

// A path split into its parts: drive ("C:" or empty), directory (with its
// trailing separator), file name without extension, extension (with its dot).
struct PathParts {
    std::string drive;
    std::string directory;
    std::string name;
    std::string extension;
    std::string join() const { return drive + directory + name + extension; }
};
PathParts splitPath(std::string_view path);

// ASCII upper-casing that leaves double-byte characters alone.
std::string upper(std::string_view text);

}  // namespace sjis
