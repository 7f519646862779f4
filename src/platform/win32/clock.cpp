// Time, sleeping and threads on KERNEL32 and the C runtime.
#include "platform/win32/windows_api.h"

#include "platform/portable_parts.h"
#include "platform/win32/process_clock.h"

#include <atomic>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

// 100-nanosecond intervals from 1601 to 1970.
constexpr std::int64_t kUnixEpochInFileTime = 116444736000000000LL;

FILETIME fileTimeOf(std::int64_t seconds) {
    const auto ticks = static_cast<std::uint64_t>(seconds * 10000000 + kUnixEpochInFileTime);
    return {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

std::int64_t secondsOf(const FILETIME& ft) {
    const std::int64_t ticks = (static_cast<std::int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - kUnixEpochInFileTime) / 10000000;
}

// Local time through Windows' own time-zone settings (the C runtime's
// localtime would read a TZ variable of the environment instead).
bool toLocal(std::int64_t seconds, SYSTEMTIME& local) {
    const FILETIME ft = fileTimeOf(seconds);
    SYSTEMTIME utc;
    return FileTimeToSystemTime(&ft, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
}

std::int64_t systemMs() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const std::int64_t ticks = (static_cast<std::int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - kUnixEpochInFileTime) / 10000;
}

// What startClockAt moved the process's clock by.
std::atomic<std::int64_t> clockOffsetMs{0};

DWORD WINAPI threadMain(LPVOID param) {
    std::unique_ptr<std::function<void()>> fn(static_cast<std::function<void()>*>(param));
    (*fn)();
    return 0;
}

}  // namespace

namespace plat {

std::int64_t nowMs() { return systemMs() + clockOffsetMs.load(); }

std::int64_t now() { return nowMs() / 1000; }

LocalTime localTime(std::int64_t seconds) {
    SYSTEMTIME t;
    if (!toLocal(seconds, t)) return {};
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek};
}

std::int64_t fromLocalTime(const LocalTime& time) {
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(time.year);
    local.wMonth = static_cast<WORD>(time.month);
    local.wDay = static_cast<WORD>(time.day);
    local.wHour = static_cast<WORD>(time.hour);
    local.wMinute = static_cast<WORD>(time.minute);
    local.wSecond = static_cast<WORD>(time.second);
    SYSTEMTIME utc;
    FILETIME ft;
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &ft)) return -1;
    return secondsOf(ft);
}

std::string formatTime(std::int64_t seconds, const char* format) {
    if (!format || !*format) return {};
    const LocalTime t = localTime(seconds);
    if (t.year == 0) return {};
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_wday = t.weekday;
    tm.tm_isdst = -1;
    return formatBrokenDownTime(tm, format);
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

namespace win32 {

void startClockAt(std::int64_t seconds) {
    // The clock already reads that second: it keeps its milliseconds.
    if (seconds == plat::nowMs() / 1000) return;
    clockOffsetMs = seconds * 1000 - systemMs();
}

}  // namespace win32
