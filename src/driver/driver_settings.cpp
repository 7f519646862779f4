#include "driver/driver_settings.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace driver {

namespace {

constexpr std::uint64_t kMsPerSecond = 1000;

constexpr int kTimerBetAccInp = 1;
constexpr int kTimerBetAutoPat = 1;
constexpr int kTimerBetSkipAnn = 0;
constexpr int kTimerBetForceMode = 1;

// A negative value (the profile's integer reading never gives one) counts as
// 0, and a value too large for the driver is capped rather than wrapped.
std::uint32_t toWait(std::uint64_t ms) {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(ms, std::numeric_limits<std::uint32_t>::max()));
}

std::uint64_t nonNegative(int v) { return v < 0 ? 0 : static_cast<std::uint64_t>(v); }

}  // namespace

void LoadDriverSettings(const base::Settings& settings, DriverState& driver) {
    driver.clientPath = settings.pat95Dir;
    driver.userId = settings.userId;
    driver.password = settings.password;
    driver.timing.messageWait = toWait(nonNegative(settings.messageWait));
    driver.timing.actionWait = toWait(nonNegative(settings.actionWait));
    driver.timing.windowOpenWait = toWait(nonNegative(settings.windowOpenWait) * kMsPerSecond);
}

void SetDriverFlags(DriverState& driver, int accInp, int autoPat, int skipAnn, int forceMode) {
    driver.flags.accInp = accInp;
    driver.flags.autoPat = autoPat;
    driver.flags.skipAnn = skipAnn;
    driver.flags.forceMode = forceMode;
}

void SetRunFlags(DriverState& driver, const base::Settings& settings, bool timerBetRun, int skipAnn) {
    if (timerBetRun) {
        SetDriverFlags(driver, kTimerBetAccInp, kTimerBetAutoPat, kTimerBetSkipAnn, kTimerBetForceMode);
    } else {
        SetDriverFlags(driver, settings.accInp, settings.autoPat, skipAnn, settings.forceMode);
    }
}

}  // namespace driver
