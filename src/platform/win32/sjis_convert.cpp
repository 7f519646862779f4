// Conversions between Shift-JIS and UTF-8 with Windows' own code-page
// functions (code page 932 is always installed on Windows).
#include "platform/sjis.h"
#include "platform/win32/windows_api.h"

namespace {

constexpr UINT kCp932 = 932;

std::wstring toWide(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

// Characters that have no form in the target code page become '?'.
std::string fromWide(const std::wstring& text, UINT codePage) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

namespace sjis {

std::string toUtf8(std::string_view cp932) { return fromWide(toWide(cp932, kCp932), CP_UTF8); }

std::string fromUtf8(std::string_view utf8) { return fromWide(toWide(utf8, CP_UTF8), kCp932); }

}  // namespace sjis

namespace win32 {

std::wstring wide(const std::string& cp932) { return toWide(cp932, kCp932); }

}  // namespace win32
