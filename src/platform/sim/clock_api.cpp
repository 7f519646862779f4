// Time, sleeping and threads: the virtual clock and simulated threads when a
// desktop exists, the host's clock and threads otherwise.
#include <atomic>
#include <condition_variable>  // std::chrono clocks: see scheduler.h on <chrono>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/portable_parts.h"
#include "platform/sim/desktop_impl.h"

namespace {

std::atomic<plat::ThreadId> nextHostThreadId{1};
thread_local plat::ThreadId hostThreadId = 0;

plat::ThreadId hostThreadIdOfCaller() {
    if (hostThreadId == 0) hostThreadId = nextHostThreadId++;
    return hostThreadId;
}

std::tm toTm(std::int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

const auto processStart = std::chrono::steady_clock::now();

}  // namespace

namespace plat {

std::int64_t nowMs() {
    if (sim::Desktop::Impl* d = sim::activeDesktop()) return d->options.startTime * 1000 + d->scheduler.now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::int64_t now() {
    if (sim::Desktop::Impl* d = sim::activeDesktop()) return d->options.startTime + d->scheduler.now() / 1000;
    return static_cast<std::int64_t>(std::time(nullptr));
}

LocalTime localTime(std::int64_t seconds) {
    std::tm tm = toTm(seconds);
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
    return static_cast<std::int64_t>(std::mktime(&tm));
}

std::string formatTime(std::int64_t seconds, const char* format) {
    return formatBrokenDownTime(toTm(seconds), format);
}

void sleep(std::uint32_t ms) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    d->scheduler.sleep(sim::requireSimulated("sleep"), ms);
}

std::uint32_t tickCount() {
    if (sim::Desktop::Impl* d = sim::activeDesktop()) return static_cast<std::uint32_t>(d->scheduler.now());
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - processStart)
                                          .count());
}

ThreadId startThread(std::function<void()> fn) {
    if (sim::Desktop::Impl* d = sim::activeDesktop()) {
        return d->scheduler.spawn(sim::callerThread(*d).program, std::move(fn)).id;
    }
    ThreadId id = nextHostThreadId++;
    std::thread([id, fn = std::move(fn)] {
        hostThreadId = id;
        fn();
    }).detach();
    return id;
}

ThreadId currentThreadId() {
    if (sim::Desktop::Impl* d = sim::activeDesktop()) return sim::callerThread(*d).id;
    return hostThreadIdOfCaller();
}

}  // namespace plat
