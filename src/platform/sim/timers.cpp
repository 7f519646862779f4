#include <algorithm>

#include "platform/sim/desktop_impl.h"
#include "platform/sim/timer_table.h"

namespace sim {

void TimerTable::set(plat::Hwnd hwnd, plat::Uint id, plat::Uint periodMs, const SimThread* thread,
                     EventKey due) {
    kill(hwnd, id);
    timers_.push_back({hwnd, id, std::max(periodMs, kMinimumPeriodMs), due, thread});
}

bool TimerTable::kill(plat::Hwnd hwnd, plat::Uint id) {
    return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerTable::removeWindow(plat::Hwnd hwnd) {
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

const Timer* TimerTable::earliest(const SimThread& thread) const {
    const Timer* best = nullptr;
    for (const Timer& t : timers_) {
        if (t.thread == &thread && (!best || t.due < best->due)) best = &t;
    }
    return best;
}

void TimerTable::delivered(plat::Hwnd hwnd, plat::Uint id, EventKey next) {
    for (Timer& t : timers_) {
        if (t.hwnd == hwnd && t.id == id) {
            next.time += t.periodMs;
            t.due = next;
        }
    }
}

}  // namespace sim

namespace plat {

Uint setTimer(Hwnd window, Uint id, Uint periodMs) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return 0;
    sim::Window* w = d->windows.find(window);
    if (!w || window == d->windows.desktopHandle() || id == 0) return 0;
    Uint period = std::max(periodMs, sim::TimerTable::kMinimumPeriodMs);
    d->timers.set(window, id, period, w->thread,
                  {d->scheduler.now() + static_cast<std::int64_t>(period), d->scheduler.nextSeq()});
    return id;
}

bool killTimer(Hwnd window, Uint id) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    return d && d->timers.kill(window, id);
}

}  // namespace plat
