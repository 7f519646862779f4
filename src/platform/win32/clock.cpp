// Time, sleeping and threads on KERNEL32 and the C runtime.
#include "platform/win32/windows_api.h"

#include <ctime>
#include <memory>
#include <vector>

namespace {

// Longest formatTime result; a format that expands further yields "".
constexpr std::size_t kMaxFormattedTime = 4096;

// 100-nanosecond intervals from 1601 to 1970.
constexpr std::int64_t kUnixEpochInFileTime = 116444736000000000LL;

bool toTm(std::int64_t seconds, std::tm& tm) {
    const __time64_t t = seconds;
    return _localtime64_s(&tm, &t) == 0;
}

DWORD WINAPI threadMain(LPVOID param) {
    std::unique_ptr<std::function<void()>> fn(static_cast<std::function<void()>*>(param));
    (*fn)();
    return 0;
}

}  // namespace

namespace plat {

std::int64_t nowMs() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const std::int64_t ticks = (static_cast<std::int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - kUnixEpochInFileTime) / 10000;
}

std::int64_t now() { return static_cast<std::int64_t>(_time64(nullptr)); }

LocalTime localTime(std::int64_t seconds) {
    std::tm tm{};
    if (!toTm(seconds, tm)) return {};
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday};
}

std::int64_t fromLocalTime(const LocalTime& time) {
    std::tm tm{};
    tm.tm_year = time.year - 1900;
    tm.tm_mon = time.month - 1;
    tm.tm_mday = time.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = time.second;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(_mktime64(&tm));
}

std::string formatTime(std::int64_t seconds, const char* format) {
    if (!format || !*format) return {};
    std::tm tm{};
    if (!toTm(seconds, tm)) return {};
    // strftime reports 0 both for "too small" and for an empty result: grow
    // the buffer up to the limit.
    for (std::size_t size = 64; size <= kMaxFormattedTime; size *= 2) {
        std::vector<char> buffer(size);
        const std::size_t n = std::strftime(buffer.data(), size, format, &tm);
        if (n > 0) return std::string(buffer.data(), n);
    }
    return {};
}

void sleep(std::uint32_t ms) { Sleep(ms); }

std::uint32_t tickCount() { return GetTickCount(); }

ThreadId startThread(std::function<void()> fn) {
    auto* param = new std::function<void()>(std::move(fn));
    DWORD id = 0;
    const HANDLE thread = CreateThread(nullptr, 0, threadMain, param, 0, &id);
    if (thread == nullptr) {
        delete param;
        return 0;
    }
    CloseHandle(thread);
    return id;
}

ThreadId currentThreadId() { return GetCurrentThreadId(); }

}  // namespace plat
