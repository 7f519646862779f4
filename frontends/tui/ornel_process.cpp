#include "frontends/tui/ornel_process.h"

#include "base/profile_store.h"
#include "base/next_bet_file.h"
#include "driver/driver_settings.h"
#include "frontends/cli/bet_window.h"
#include "platform/clock.h"
#include "ui/main_window.h"

namespace tui {

namespace {

// The main window with what its start-up does before a bet can be placed:
// the driver's settings and flags, today's bet file and the newest vote log.
class OrnelMainWindow : public ui::MainWindow {
public:
    explicit OrnelMainWindow(cli::BetRunWorld& world) : ui::MainWindow(world.model), world_(world) {}

protected:
    bool onInitDialog() override {
        const bool result = ui::MainWindow::onInitDialog();
        const base::Settings& s = world_.settings;
        world_.notifier.setOwner(hwnd());
        world_.driver.mainWindow = hwnd();
        driver::LoadDriverSettings(s, world_.state);
        driver::SetDriverFlags(world_.state, s.accInp, s.autoPat, s.skipAnn, s.forceMode);
        const plat::LocalTime today = plat::localTime(world_.run.programClock.load());
        base::NextBetFilePath(world_.betFile, s.betFileDir, base::BetFileDate{today.year, today.month, today.day});
        betData().refreshVoteLog();
        betData().showStatus();
        return result;
    }

private:
    cli::BetRunWorld& world_;
};

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

void RunOrnelProcess(OrnelProcess& process) {
    {
        base::FileProfileStore profile(base::ProgramProfilePath());
        cli::BetRunWorld world(profile, plat::now());
        process.run = &world.run;
        process.progress = &world.state.progress;
        OrnelMainWindow window(world);
        window.doModal(0);
        process.run = nullptr;
        process.progress = nullptr;
    }
    process.ended = true;
}

std::string ProcessStatus(const OrnelProcess& process) {
    const base::RunControl* run = process.run.load();
    if (run == nullptr) return {};
    const std::int16_t state = run->runState.load();
    std::string status = std::string(run->autoMode.load() != 0 ? "AUTO" : "MANU") + "  " + runStateText(state);
    const driver::RunProgress* p = process.progress.load();
    if (p == nullptr || (state != base::kRunRunning && state != base::kRunStopRequested)) return status;
    if (p->lines.load() > 0) {
        status += "  bet " + std::to_string(p->line.load()) + " of " + std::to_string(p->lines.load()) + "  group " +
                  std::to_string(p->group.load()) + " of " + std::to_string(p->groups.load());
    }
    const char* step = driver::RunStepName(p->step.load());
    return *step != '\0' ? status + "  " + step : status;
}

}  // namespace tui
