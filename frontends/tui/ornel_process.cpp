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
        OrnelMainWindow window(world);
        window.doModal(0);
        process.run = nullptr;
    }
    process.ended = true;
}

std::string ProcessStatus(const OrnelProcess& process) {
    const base::RunControl* run = process.run.load();
    if (run == nullptr) return {};
    return std::string(run->autoMode.load() != 0 ? "AUTO" : "MANU") + "  " + runStateText(run->runState.load());
}

}  // namespace tui
