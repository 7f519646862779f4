// Window timers: per (window, id), delivered as WM_TIMER to the thread that
// owns the window when it waits for messages.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/sim/scheduler.h"
#include "platform/window.h"

namespace sim {

struct Timer {
    plat::Hwnd hwnd = 0;
    plat::Uint id = 0;
    plat::Uint periodMs = 0;
    EventKey due;
    const SimThread* thread = nullptr;
};

class TimerTable {
public:
    // Shortest period; shorter requests are raised to it, as Win32 does.
    static constexpr plat::Uint kMinimumPeriodMs = 10;

    void set(plat::Hwnd hwnd, plat::Uint id, plat::Uint periodMs, const SimThread* thread, EventKey due);
    bool kill(plat::Hwnd hwnd, plat::Uint id);
    void removeWindow(plat::Hwnd hwnd);

    // The earliest timer of the thread (due or not).
    const Timer* earliest(const SimThread& thread) const;
    // Delivered: next due one period after now (missed periods coalesce).
    void delivered(plat::Hwnd hwnd, plat::Uint id, EventKey next);

private:
    std::vector<Timer> timers_;
};

}  // namespace sim
