#include "betclient/client_timing.h"

#include <memory>

#include "platform/clock.h"
#include "platform/window.h"

namespace betclient {

namespace {

struct RangeMs {
    int low;
    int high;
};

constexpr RangeMs kFormDelay{50, 400};
constexpr RangeMs kControlPause{2, 14};
constexpr RangeMs kInputLatency{1, 30};
constexpr RangeMs kTransfer{800, 4000};
constexpr std::uint32_t kIdealTransferMs = 2500;

// A click takes effect when the button comes up; a key when it goes down.
bool isInput(plat::Uint message) {
    return message == plat::WM_LBUTTONUP || message == plat::WM_KEYDOWN || message == plat::WM_CHAR;
}

}  // namespace

ClientTiming::ClientTiming(const ClientBehaviour& behaviour) : ideal_(behaviour.ideal), rng_(behaviour.seed) {}

std::uint32_t ClientTiming::formDelayMs() {
    return ideal_ ? 0 : static_cast<std::uint32_t>(rng_.range(kFormDelay.low, kFormDelay.high));
}

std::uint32_t ClientTiming::controlPauseMs() {
    return ideal_ ? 0 : static_cast<std::uint32_t>(rng_.range(kControlPause.low, kControlPause.high));
}

std::uint32_t ClientTiming::inputLatencyMs() {
    return ideal_ ? 0 : static_cast<std::uint32_t>(rng_.range(kInputLatency.low, kInputLatency.high));
}

std::uint32_t ClientTiming::transferMs() {
    return ideal_ ? kIdealTransferMs : static_cast<std::uint32_t>(rng_.range(kTransfer.low, kTransfer.high));
}

void ClientTiming::slowDownInput(plat::Hwnd control) {
    if (ideal_ || control == 0) return;
    auto base = std::make_shared<plat::WndProc>();
    *base = plat::setWindowProc(control, [this, base](plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                                                      plat::Lparam lParam) -> plat::Lresult {
        if (isInput(message)) plat::sleep(inputLatencyMs());
        return plat::callWindowProc(*base, window, message, wParam, lParam);
    });
}

}  // namespace betclient
