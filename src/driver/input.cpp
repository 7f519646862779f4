#include "driver/input.h"

#include <algorithm>
#include <string>

#include "driver/driver_waits.h"
#include "driver/window_search.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kPostAttempts = 3;
constexpr int kClickPostAttempts = 10;
constexpr plat::Point kClickPoint{5, 5};

bool postForClick(plat::Hwnd window, plat::Uint message, plat::Wparam wParam, const Waits& waits) {
    for (int i = 0; i < kClickPostAttempts; ++i) {
        if (plat::postMessage(window, message, wParam, plat::makeLparam(kClickPoint.x, kClickPoint.y)))
            return true;
        plat::sleep(Times(2, waits.message));
    }
    return false;
}

}  // namespace

bool PostWithRetry(const DriverState& driver, plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                   plat::Lparam lParam) {
    const Waits waits = CurrentWaits(driver);
    for (int i = 0; i < kPostAttempts; ++i) {
        if (plat::postMessage(window, message, wParam, lParam)) return true;
        plat::sleep(waits.action);
    }
    return false;
}

plat::Hwnd ClickWindow(const DriverState& driver, plat::Hwnd window) {
    if (window == 0 || !plat::isWindowEnabled(window)) return 0;
    const Waits waits = CurrentWaits(driver);
    if (!postForClick(window, plat::WM_MOUSEMOVE, 0, waits)) return 0;
    plat::sleep(waits.message);
    if (!postForClick(window, plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, waits)) return 0;
    plat::sleep(waits.message);
    if (!postForClick(window, plat::WM_LBUTTONUP, 0, waits)) return 0;
    return window;
}

plat::Hwnd ClickControl(const DriverState& driver, const char* className, const char* caption, int x,
                        int y, const char* captionPrefix) {
    return ClickWindow(driver, FindControlByCaption(className, caption, x, y, captionPrefix));
}

plat::Hwnd ClickControlAnywhere(const DriverState& driver, const char* className, const char* caption,
                                const char* captionPrefix) {
    return ClickWindow(driver, FindControlByCaptionAnywhere(className, caption, captionPrefix));
}

bool ClickAt(const DriverState& driver, plat::Hwnd window, plat::Point point, ClickPauses pauses) {
    const plat::Lparam at = plat::makeLparam(point.x, point.y);
    const struct {
        plat::Uint message;
        plat::Wparam wParam;
        std::uint32_t pause;
    } steps[] = {{plat::WM_MOUSEMOVE, 0, pauses.afterMove},
                 {plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, pauses.afterDown},
                 {plat::WM_LBUTTONUP, 0, pauses.afterUp}};
    for (const auto& step : steps) {
        if (!PostWithRetry(driver, window, step.message, step.wParam, at)) return false;
        plat::sleep(step.pause);
    }
    return true;
}

bool TypeTextAt(const DriverState& driver, const char* className, const char* caption, int x, int y,
                const char* text) {
    const Waits waits = CurrentWaits(driver);
    const std::uint32_t attempts = waits.windowOpen / std::max<std::uint32_t>(waits.message, 1);
    plat::Hwnd field = 0;
    for (std::uint32_t i = 0; i < attempts && field == 0; ++i) {
        field = FindDeepestAt(className, caption, x, y);
        plat::sleep(waits.message);
    }
    if (field == 0 || text == nullptr) return false;
    for (const char* c = text; *c != '\0'; ++c)
        PostWithRetry(driver, field, plat::WM_CHAR, static_cast<unsigned char>(*c), 0);
    return true;
}

void TypeDigits(const DriverState& driver, plat::Hwnd window, long long number) {
    if (number <= 0) return;
    for (const char digit : std::to_string(number))
        PostWithRetry(driver, window, plat::WM_CHAR, static_cast<unsigned char>(digit), 0);
}

}  // namespace driver
