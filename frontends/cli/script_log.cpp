#include "frontends/cli/script_log.h"

#include <algorithm>
#include <map>

#include "frontends/cli/cli_text.h"
#include "frontends/simhome/ornel_desktop.h"
#include "platform/clock.h"

namespace cli {

namespace {

// The flashes of one alarm come 150 ms apart: a flash more than this after
// the one before starts a new `flash` line.
constexpr std::int64_t kFlashBurstGapMs = 1000;

std::string beepKind(std::int64_t type) {
    static const std::map<std::int64_t, std::string> names = {
        {plat::MB_OK, "ok"},
        {plat::MB_ICONHAND, "hand"},
        {plat::MB_ICONQUESTION, "question"},
        {plat::MB_ICONEXCLAMATION, "exclamation"},
        {plat::MB_ICONASTERISK, "asterisk"},
        {static_cast<std::int64_t>(plat::MB_SIMPLEBEEP), "simple"},
    };
    const auto found = names.find(type);
    return found != names.end() ? found->second : std::to_string(type);
}

}  // namespace

ScriptLog::ScriptLog(const sim::Desktop& desktop, std::int64_t startTime, bool utf8)
    : desktop_(desktop), startTime_(startTime), utf8_(utf8) {}

std::string ScriptLog::stamp(std::int64_t virtualMs) const {
    const plat::LocalTime t = plat::localTime(startTime_ + virtualMs / 1000);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

void ScriptLog::add(const std::string& text) { pending_.push_back({desktop_.virtualMs(), text}); }

void ScriptLog::takeTrace() {
    const std::vector<sim::TraceEvent>& trace = desktop_.trace();
    for (; traceRead_ < trace.size(); ++traceRead_) {
        const sim::TraceEvent& e = trace[traceRead_];
        if (e.fromProgram != simhome::kOrnelProgram) continue;
        switch (e.kind) {
        case sim::TraceEvent::Kind::Sound:
            pending_.push_back({e.timeMs, e.text.empty() ? "beep " + beepKind(e.value) : "sound " + e.text});
            break;
        case sim::TraceEvent::Kind::Flash:
            if (lastFlashMs_ < 0 || e.timeMs - lastFlashMs_ > kFlashBurstGapMs) pending_.push_back({e.timeMs, "flash"});
            lastFlashMs_ = e.timeMs;
            break;
        case sim::TraceEvent::Kind::PowerOff: pending_.push_back({e.timeMs, "poweroff"}); break;
        default: break;
        }
    }
}

void ScriptLog::flush() {
    takeTrace();
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Event& a, const Event& b) { return a.timeMs < b.timeMs; });
    std::string out;
    for (const Event& e : pending_) out += stamp(e.timeMs) + " " + e.text + "\n";
    pending_.clear();
    writeOut(outputText(out, utf8_));
}

void ScriptLog::print(const std::string& text) {
    flush();
    writeOut(outputText(stamp(desktop_.virtualMs()) + " " + text + "\n", utf8_));
}

void ScriptLog::printRaw(const std::string& text) {
    flush();
    writeOut(outputText(text, utf8_));
}

}  // namespace cli
