#include "driver/window_waits.h"

#include "driver/driver_waits.h"
#include "driver/input.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kRestoreRounds = 4;
constexpr int kRestoreChecksPerRound = 10;

}  // namespace

bool WaitHidden(const DriverState& driver, plat::Hwnd window, std::uint32_t timeoutMs) {
    const Waits waits = CurrentWaits(driver);
    const std::uint32_t attempts = WaitAttempts(timeoutMs, waits.message);
    for (std::uint32_t i = 0; i < attempts; ++i) {
        if ((plat::getStyle(window) & plat::WS_VISIBLE) == 0) return true;
        plat::sleep(waits.message);
    }
    return false;
}

bool RestoreIfMinimized(const DriverState& driver, plat::Hwnd window) {
    if (!plat::isIconic(window)) return true;
    const Waits waits = CurrentWaits(driver);
    for (int round = 1; round <= kRestoreRounds; ++round) {
        if (round > 1 && !plat::isIconic(window)) return true;
        PostWithRetry(driver, window, plat::WM_SYSCOMMAND, plat::SC_RESTORE, 0);
        for (int check = 0; check < kRestoreChecksPerRound; ++check) {
            plat::sleep(waits.action);
            if (!plat::isIconic(window)) break;
        }
    }
    return false;
}

}  // namespace driver
