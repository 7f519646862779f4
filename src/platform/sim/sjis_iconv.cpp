// Conversions between Shift-JIS and UTF-8 with iconv.
#include <iconv.h>

#include <cerrno>

#include "platform/sjis.h"

namespace sjis {

namespace {

constexpr const char* kCp932 = "CP932";
constexpr const char* kUtf8 = "UTF-8";

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

}  // namespace sjis
