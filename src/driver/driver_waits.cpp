#include "driver/driver_waits.h"

#include <algorithm>
#include <limits>

namespace driver {

namespace {

constexpr std::uint64_t kMaxWait = std::numeric_limits<std::uint32_t>::max();

}  // namespace

Waits CurrentWaits(const DriverState& driver) {
    return {driver.timing.messageWait.load(), driver.timing.actionWait.load(),
            driver.timing.windowOpenWait.load()};
}

std::uint32_t WaitAttempts(std::uint32_t timeoutMs, std::uint32_t messageWait) {
    const std::uint64_t step = std::max<std::uint32_t>(messageWait, 1);
    return static_cast<std::uint32_t>((std::uint64_t{timeoutMs} + step) / step);
}

std::uint32_t Times(std::uint32_t n, std::uint32_t ms) {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{n} * ms, kMaxWait));
}

}  // namespace driver
