// What the desktop's trace tells the person at the terminal: a beep or a
// sound rings the terminal's bell, and the client's controls Ornel has just
// sent or posted messages to are highlighted for a moment, so the driver's
// work can be followed.  The trace is emptied as it is read: a session may
// last a race day.
#pragma once

#include <condition_variable>  // std::chrono's clocks (see platform/sim/scheduler.h)
#include <map>
#include <set>
#include <string>

#include "platform/sim/desktop.h"

namespace tui {

class Activity {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kHighlight{400};

    Activity(sim::Desktop& desktop, std::string ornelProgram);

    // Takes what was recorded since the last call; true when a sound played.
    bool update(Clock::time_point now);
    // The client's controls operated within the last kHighlight.
    const std::set<plat::Hwnd>& busy() const { return busy_; }

private:
    sim::Desktop& desktop_;
    std::string ornel_;
    std::map<plat::Hwnd, Clock::time_point> operated_;
    std::set<plat::Hwnd> busy_;
};

}  // namespace tui
