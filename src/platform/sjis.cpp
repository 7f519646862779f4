#include "platform/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace sjis {

namespace {

constexpr const char* kCp932 = "CP932";
constexpr const char* kUtf8 = "UTF-8";

// Length of the character starting at text[i]: 2 for a lead byte followed by
// another byte, else 1 (a lead byte cut off at the end counts as one byte).
std::size_t charLength(std::string_view text, std::size_t i) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Length of the UTF-8 sequence a lead byte announces (1 for a stray byte).
std::size_t utf8Length(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4) return 4;
    if (c >= 0xE0) return c <= 0xEF ? 3 : 1;
    if (c >= 0xC2) return 2;
    return 1;
}

// Converts with iconv; a sequence it cannot convert becomes '?' and the
// conversion goes on after it (skip says how many bytes that sequence has).
template <typename Skip>
std::string convert(std::string_view in, const char* to, const char* from, Skip skip) {
    std::string out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        for (char c : in) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (error == E2BIG) continue;
        // EILSEQ (not convertible) or EINVAL (cut off at the end).
        out += '?';
        const std::size_t n = error == EINVAL ? srcLeft : skip(src, srcLeft);
        src += n;
        srcLeft -= n;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string toUtf8(std::string_view cp932) {
    // A pair with no character assigned becomes one '?'; a lead byte whose
    // next byte cannot be a trail byte becomes '?' alone, so that next byte
    // (a blank, a line end) survives.
    return convert(cp932, kUtf8, kCp932, [](const char* at, std::size_t left) {
        const auto lead = static_cast<unsigned char>(at[0]);
        const auto trail = left > 1 ? static_cast<unsigned char>(at[1]) : 0;
        const bool pair = isLeadByte(lead) && ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC));
        return std::size_t{pair ? 2u : 1u};
    });
}

std::string fromUtf8(std::string_view utf8) {
    return convert(utf8, kCp932, kUtf8, [](const char* at, std::size_t left) {
        // The lead byte and the continuation bytes that follow it.
        const std::size_t length = utf8Length(static_cast<unsigned char>(at[0]));
        std::size_t n = 1;
        while (n < length && n < left && (static_cast<unsigned char>(at[n]) & 0xC0) == 0x80) ++n;
        return n;
    });
}

std::size_t find(std::string_view text, std::string_view needle, std::size_t from,
                 bool respectCharacters) {
    if (!respectCharacters) return text.find(needle, from);
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
        if (i >= from && text.substr(i, needle.size()) == needle) return i;
    }
    if (needle.empty() && from <= text.size()) return text.size();
    return std::string_view::npos;
}

std::size_t lastSeparator(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); i += charLength(path, i)) {
        if (charLength(path, i) == 1 && (path[i] == '\\' || path[i] == '/')) last = i;
    }
    return last;
}

PathParts splitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    std::size_t sep = lastSeparator(path);
    std::string_view file = path;
    if (sep != std::string_view::npos) {
        parts.directory = std::string(path.substr(0, sep + 1));
        file = path.substr(sep + 1);
    }
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < file.size(); i += charLength(file, i)) {
        if (file[i] == '.') dot = i;
    }
    parts.name = std::string(file.substr(0, dot));
    if (dot != std::string_view::npos) parts.extension = std::string(file.substr(dot));
    return parts;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); i += charLength(out, i)) {
        if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    }
    return out;
}

}  // namespace sjis
