#include "frontends/tui/glyphs.h"

#include <cwchar>
#include <map>

#include "platform/sjis.h"

namespace tui {

namespace {

constexpr unsigned char kFirstHalfWidthKana = 0xA1;
constexpr unsigned char kLastHalfWidthKana = 0xDF;
constexpr char32_t kHalfWidthKanaBase = 0xFF61;  // U+FF61 is 0xA1
constexpr char32_t kUnknown = U'?';

// The first code point of UTF-8 text, or kUnknown.
char32_t firstCodePoint(const std::string& utf8) {
    if (utf8.empty()) return kUnknown;
    const auto b0 = static_cast<unsigned char>(utf8[0]);
    int extra = 0;
    char32_t code = 0;
    if (b0 < 0x80) return b0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        code = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        code = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        code = b0 & 0x07;
    } else {
        return kUnknown;
    }
    if (utf8.size() < static_cast<std::size_t>(extra) + 1) return kUnknown;
    for (int i = 1; i <= extra; ++i) code = (code << 6) | (static_cast<unsigned char>(utf8[static_cast<std::size_t>(i)]) & 0x3F);
    return code;
}

// The double-byte characters met so far (iconv per character is slow).
char32_t doubleByteCode(std::string_view bytes) {
    static std::map<std::string, char32_t> known;
    const std::string key(bytes);
    const auto found = known.find(key);
    if (found != known.end()) return found->second;
    const std::string utf8 = sjis::toUtf8(bytes);
    const char32_t code = utf8 == "?" ? kUnknown : firstCodePoint(utf8);
    known.emplace(key, code);
    return code;
}

int terminalWidth(char32_t code) {
    const int width = ::wcwidth(static_cast<wchar_t>(code));
    return width;
}

Glyph fitted(char32_t code, int columns) {
    int width = terminalWidth(code);
    if (width < 1 || width > columns) {
        code = kUnknown;
        width = 1;
    }
    return {code, columns, width};
}

}  // namespace

Glyph glyphOf(std::string_view bytes) {
    if (bytes.empty()) return {};
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() >= 2 && sjis::isLeadByte(b0)) return fitted(doubleByteCode(bytes.substr(0, 2)), 2);
    if (b0 >= 0x20 && b0 < 0x7F) return {b0, 1, 1};
    if (b0 >= kFirstHalfWidthKana && b0 <= kLastHalfWidthKana)
        return fitted(kHalfWidthKanaBase + (b0 - kFirstHalfWidthKana), 1);
    return {kUnknown, 1, 1};
}

std::vector<Glyph> glyphsOf(std::string_view cp932) {
    std::vector<Glyph> glyphs;
    glyphs.reserve(cp932.size());
    for (std::size_t i = 0; i < cp932.size();) {
        const bool pair = sjis::isLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size();
        const std::size_t n = pair ? 2 : 1;
        glyphs.push_back(glyphOf(cp932.substr(i, n)));
        i += n;
    }
    return glyphs;
}

std::string utf8Of(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

}  // namespace tui
