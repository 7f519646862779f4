#include "auto_mode_fixture.h"

#include <filesystem>

#include "base/bet_list_edit.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "ui/bet_command.h"
#include "ui/main_window_layout.h"

namespace automode_test {

namespace {

// The main window's controls with timer 1 running the tick.
class TickWindow : public plat::Dialog {
public:
    explicit TickWindow(ui::AutoMode autoMode) : plat::Dialog(ui::MainWindowTemplate()), autoMode_(autoMode) {}

protected:
    bool onInitDialog() override {
        autoMode_.window = hwnd();
        plat::setTimer(hwnd(), ui::kTickTimer, ui::kTickMs);
        return true;
    }
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam, bool& handled) override {
        handled = message == plat::WM_TIMER && wParam == ui::kTickTimer;
        if (handled) ui::OnTimer(autoMode_);
        return 0;
    }

private:
    ui::AutoMode autoMode_;
};

plat::Hwnd listOf(plat::Hwnd main) { return plat::getDlgItem(main, ui::kIdBetList); }

}  // namespace

std::string Now() { return plat::formatTime(plat::now(), "%H:%M:%S"); }

void RecordingHost::record(const std::string& what) {
    calls.push_back({Now(), what, test_.run.runSource.load(), test_.run.runState.load()});
}

void RecordingHost::finishRun() {
    record("finish");
    base::EditBetList(listOf(test_.main)).clear();
    test_.run.runState.store(base::kRunIdle);
}

void RecordingHost::bet() {
    record("bet");
    if (ui::BetListFirstLineEmpty(listOf(test_.main)) || refuseRuns) return;
    test_.run.runState.store(base::kRunRunning);
    const std::int64_t ms = runMs;
    const std::int16_t end = runEnd;
    base::RunState& state = test_.run.runState;
    plat::startThread([ms, end, &state] {
        plat::sleep(static_cast<std::uint32_t>(ms));
        state.store(end);
    });
}

int RecordingHost::refreshVotingTerms() {
    record("refresh");
    if (askFirst) plat::messageBox(test_.main, "refresh?", "Ornel", plat::MB_YESNO);
    return refreshResult;
}

bool RecordingHost::loadBetFile(const std::string& path) {
    record("load " + std::filesystem::path(path).filename().string());
    base::EditBetList(listOf(test_.main)).append(testsupport::readBytes(path).c_str());
    if (cancelLoads) return false;
    std::filesystem::remove(path);
    return true;
}

void RecordingHost::loadNewVoteLog() { record("votelog"); }

void RecordingHost::showBetStatus() {
    record("status");
    test_.terms.statusDirty = 0;
}

void RecordingHost::fetchPayouts() { record("payouts"); }

void RecordingHost::closeClient() { record("close-client"); }

AutoModeTest::AutoModeTest(std::int64_t start, bool refusePowerOff)
    : desktop([&] {
          testsupport::useJapanTime();
          sim::Desktop::Options options{dir.path(), start};
          options.refusePowerOff = refusePowerOff;
          return options;
      }()),
      startTime_(start) {
    desktop.setUser(&user);
    std::filesystem::create_directories(dir.file("bets"));
    settings.betFileDir = dir.file("bets/");
    betFile.path = dir.file("bets/99032801.Bet");
    nextLogPath = dir.file("client/Lg-01.JRA");
}

AutoModeTest::~AutoModeTest() {
    if (main != 0 && !closed) {
        desktop.act(0, [this] { plat::postMessage(main, plat::WM_CLOSE, 0, 0); });
        desktop.runUntil([this] { return closed; }, 3'600'000);
    }
    desktop.run(60'000);
    desktop.setUser(nullptr);
}

void AutoModeTest::start(bool autoMode) {
    run.autoMode.store(autoMode ? 1 : 0);
    run.programClock.store(startTime_);
    if (autoMode) run.autoState.timerBetCursor = startTime_;
    window = std::make_unique<TickWindow>(ui::AutoMode{run, settings, terms, betFile, nextLogPath, 0, host});
    desktop.startProgram("Ornel", dir.file("Ornel.exe"), [this] {
        closeResult = window->doModal(0);
        closedAt = Now();
        closed = true;
    });
    desktop.runFor(1);
    main = plat::findWindow("#32770", ui::kMainCaption);
    ASSERT_NE(main, 0u);
}

void AutoModeTest::runTill(const char* hhmmss) {
    plat::LocalTime t = plat::localTime(startTime_);
    ASSERT_EQ(std::sscanf(hhmmss, "%d:%d:%d", &t.hour, &t.minute, &t.second), 3);
    const std::int64_t ms = (plat::fromLocalTime(t) - startTime_) * 1000 - desktop.virtualMs();
    ASSERT_GE(ms, 0) << hhmmss;
    desktop.runFor(ms);
}

void AutoModeTest::writeBetFile(const std::string& name, const std::string& text) {
    testsupport::writeBytes(dir.file("bets/" + name), text);
}

bool AutoModeTest::betFileExists(const std::string& name) const {
    return std::filesystem::exists(dir.file("bets/" + name));
}

std::vector<std::string> AutoModeTest::at(const std::string& what) const {
    std::vector<std::string> times;
    for (const HostCall& call : host.calls)
        if (call.what.rfind(what, 0) == 0) times.push_back(call.time);
    return times;
}

std::vector<HostCall> AutoModeTest::callsOf(const std::string& what) const {
    std::vector<HostCall> calls;
    for (const HostCall& call : host.calls)
        if (call.what.rfind(what, 0) == 0) calls.push_back(call);
    return calls;
}

std::vector<std::string> AutoModeTest::alarms() const {
    std::vector<std::string> times;
    int flashes = 0;
    for (const sim::TraceEvent& e : desktop.trace()) {
        if (e.kind != sim::TraceEvent::Kind::Flash) continue;
        if (flashes++ % 6 == 0) times.push_back(plat::formatTime(startTime_ + e.timeMs / 1000, "%H:%M:%S"));
    }
    return times;
}

void AutoModeTest::raceAt(int race, int hhmm, int slot) {
    terms.meetings[slot].venueCode = static_cast<std::uint8_t>(slot + 1);
    terms.meetings[slot].races[race - 1].startTime = static_cast<std::int16_t>(hhmm);
}

std::string AutoModeTest::listText() const { return plat::getWindowText(listOf(main), 65536); }

}  // namespace automode_test
