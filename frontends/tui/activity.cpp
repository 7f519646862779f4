#include "frontends/tui/activity.h"

namespace tui {

Activity::Activity(sim::Desktop& desktop, std::string ornelProgram)
    : desktop_(desktop), ornel_(std::move(ornelProgram)) {}

bool Activity::update(Clock::time_point now) {
    bool sound = false;
    for (const sim::TraceEvent& e : desktop_.trace()) {
        using Kind = sim::TraceEvent::Kind;
        if (e.kind == Kind::Sound) sound = true;
        if ((e.kind == Kind::Post || e.kind == Kind::Send) && e.fromProgram == ornel_) operated_[e.hwnd] = now;
    }
    desktop_.clearTrace();
    busy_.clear();
    std::erase_if(operated_, [&](const auto& entry) { return now - entry.second > kHighlight; });
    for (const auto& [hwnd, at] : operated_) busy_.insert(hwnd);
    return sound;
}

}  // namespace tui
