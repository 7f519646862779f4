#include "frontends/tui/program_status.h"

namespace tui {

namespace {

const char* runStateText(std::int16_t state) {
    switch (state) {
    case base::kRunIdle: return "idle";
    case base::kRunRunning: return "running";
    case base::kRunStopRequested: return "stopping";
    case base::kRunFinished: return "finished";
    case base::kRunFailed: return "stopped";
    default: return "?";
    }
}

}  // namespace

std::string ProgramStatus(const base::RunControl& run, const driver::RunProgress& progress) {
    const std::int16_t state = run.runState.load();
    std::string status = std::string(run.autoMode.load() != 0 ? "AUTO" : "MANU") + "  " + runStateText(state);
    if (state != base::kRunRunning && state != base::kRunStopRequested) return status;
    if (progress.lines.load() > 0) {
        status += "  bet " + std::to_string(progress.line.load()) + " of " + std::to_string(progress.lines.load()) +
                  "  group " + std::to_string(progress.group.load()) + " of " + std::to_string(progress.groups.load());
    }
    const char* step = driver::RunStepName(progress.step.load());
    return *step != '\0' ? status + "  " + step : status;
}

}  // namespace tui
