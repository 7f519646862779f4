#include "frontends/simhome/race_day.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "base/strings.h"
#include "betclient/centre/centre.h"
#include "clientdata/payout_report.h"
#include "frontends/simhome/program_run.h"
#include "frontends/simhome/race_day_check.h"
#include "platform/clock.h"
#include "platform/wintypes.h"
#include "ui/main_window_layout.h"

namespace simhome {

namespace {

// Files are looked for at most once a virtual second (the program picks
// them up on its two-second tick).
constexpr std::int64_t kFilePollMs = 1000;
// Each deadline alarm flashes the main window's caption this many times.
constexpr int kFlashesPerAlarm = 6;
// The prediction program's race-card directory, where it keeps the day's
// start times: on the host, and as the day's "Target Dir" names it.
constexpr const char* kRaceCardFolder = "target/";
constexpr const char* kRaceCardFolderOnDrive = "C:\\target\\";

bool hostFileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// When the host last changed a file (nanoseconds); none when it does not
// exist.  Not its last-write time: programs on the desktop stamp files with
// the virtual clock, which reads the same in a rerun of the same day.
std::optional<std::int64_t> hostChangeOf(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
}

// The day's payout report in the bet-file directory.
std::string reportPath(const std::string& betDir, const plat::LocalTime& date) {
    base::VotingTerms day;
    day.termsYear = date.year;
    day.termsMonth = date.month;
    day.termsDay = date.day;
    return clientdata::PayoutReportPath(base::CurrentBetFile{betDir}, day);
}

// Follows the day from the harness: the run state and the files, whenever
// the turn comes back to the scheduler.
class DayObserver {
public:
    DayObserver(ProgramRun& run, sim::Desktop& desktop, const std::string& betDir, std::int64_t startTime,
                RaceDayResult& result)
        : run_(run), desktop_(desktop), betDir_(betDir), startTime_(startTime), result_(result),
          picked_(result.files.size(), false), reportBefore_(hostChangeOf(result.reportPath)) {}

    // Whether the payout report was written (again) during the day.
    bool reportWritten() const { return reportWritten_; }

    // True once the program has ended.  Files are looked at when they may
    // have changed, or whenever asked.
    bool poll(bool lookAtFiles = false) {
        const std::int64_t now = desktop_.virtualMs();
        followRun(now);
        if (lookAtFiles || now - lastFilePollMs_ >= kFilePollMs) {
            lastFilePollMs_ = now;
            followFiles(now);
        }
        return run_.ended();
    }

    std::vector<centre::Bet> leftAfterFailedRuns;

private:
    void event(std::int64_t now, std::string text) { result_.events.push_back({now, std::move(text)}); }

    void followRun(std::int64_t now) {
        const std::int16_t state = run_.program().runControl.runState.load();
        if (state == lastState_) return;
        // A file is picked up on the tick that starts its run.
        followFiles(now);
        const std::string number = std::to_string(result_.runs + (state == base::kRunRunning ? 1 : 0));
        if (state == base::kRunRunning && lastState_ == base::kRunIdle) {
            ++result_.runs;
            event(now, "run " + number + " started");
        } else if (state == base::kRunStopRequested) {
            event(now, "run " + number + " stop requested");
        } else if (state == base::kRunFinished) {
            ++result_.runsFinished;
            event(now, "run " + number + " finished");
        } else if (state == base::kRunFailed) {
            ++result_.runsFailed;
            event(now, "run " + number + " failed");
            // What the run left in the list: the bets it did not place.
            const std::string list = run_.controlText(ui::kIdBetList);
            for (const centre::Bet& bet : BetsOfList(list)) {
                leftAfterFailedRuns.push_back(bet);
                event(now, "left in the list: " + BetName(bet));
            }
        }
        lastState_ = state;
    }

    void followFiles(std::int64_t now) {
        for (std::size_t i = 0; i < result_.files.size(); ++i) {
            const PlannedBetFile& file = result_.files[i];
            if (picked_[i] || now <= (file.writeAt - startTime_) * 1000) continue;
            if (hostFileExists(betDir_ + file.name)) continue;
            picked_[i] = true;
            ++(file.timerBet ? result_.timerFilesPicked : result_.betFilesPicked);
            event(now, "picked up " + file.name);
        }
        if (!reportWritten_ && hostChangeOf(result_.reportPath) != reportBefore_) {
            reportWritten_ = true;
            event(now, "payout report written");
        }
    }

    ProgramRun& run_;
    sim::Desktop& desktop_;
    std::string betDir_;
    std::int64_t startTime_;
    RaceDayResult& result_;
    std::vector<bool> picked_;
    std::int16_t lastState_ = base::kRunIdle;
    std::int64_t lastFilePollMs_ = -kFilePollMs;
    std::optional<std::int64_t> reportBefore_;
    bool reportWritten_ = false;
};

void addPlannedWrites(RaceDayResult& result, std::int64_t startTime) {
    for (const PlannedBetFile& file : result.files)
        result.events.push_back({(file.writeAt - startTime) * 1000,
                                 "wrote " + file.name + " (" + std::to_string(file.bets.size()) + " bets)"});
}

// The boxes Ornel showed, the deadline alarms, a power-off request.
void addDesktopEvents(RaceDayResult& result, SimHome& home) {
    for (const sim::ScriptedUser::Seen& seen : home.user().seenFrom(kOrnelProgram)) {
        if (!seen.info.isMessageBox) continue;
        result.events.push_back({seen.timeMs, "box " + std::to_string(seen.info.helpId) + " " + seen.info.text});
    }
    int flashes = 0;
    for (const sim::TraceEvent& e : home.desktop().trace()) {
        if (e.kind == sim::TraceEvent::Kind::PowerOff) result.events.push_back({e.timeMs, "power-off requested"});
        if (e.kind != sim::TraceEvent::Kind::Flash || e.toProgram != kOrnelProgram) continue;
        if (flashes++ % kFlashesPerAlarm != 0) continue;
        ++result.alarms;
        result.events.push_back({e.timeMs, "deadline alarm"});
    }
}

}  // namespace

bool RunRaceDay(SimHome& home, const PredictionOptions& predictions, RaceDayResult& result, std::string& error) {
    const plat::LocalTime date = plat::localTime(predictions.dayStart);
    const std::string clientDir = std::filesystem::path(home.clientExePath()).parent_path().string() + "/";
    std::optional<centre::Centre> centre =
        centre::Centre::open(clientDir, date.year, date.month, date.day, error, predictions.seed);
    if (!centre) return false;
    // Bets placed in the home on that day before this run are not this
    // day's run's.
    const std::size_t placedBefore = centre->ledger().size();

    result = {};
    std::error_code ec;
    result.files = PlanPredictions(centre->day(), predictions);
    for (const PlannedBetFile& file : result.files) {
        ++(file.timerBet ? result.timerFiles : result.betFiles);
        result.betsWritten += static_cast<int>(file.bets.size());
    }
    result.reportPath = reportPath(home.betDir(), date);
    const std::string raceCardDir = home.desk().directory() + kRaceCardFolder;
    std::filesystem::create_directories(raceCardDir, ec);
    StartPredictionProgram(home.desktop(), centre->day(), raceCardDir, home.betDir(), result.files);

    // Unattended: after a failed run the list is cleared for the next file
    // rather than left for a manual run.
    home.user().answerId(base::kMsgManualModeQuestion, plat::IDNO);
    app::ProgramOptions options;
    options.adjustSettings = [](base::Settings& s) {
        s.targetDir = kRaceCardFolderOnDrive;
        s.autoMode = 1;
        s.skipCyuui = 1;
        s.haraimodoshiInfoGetTime = kRaceDayPayoutFetchTime;
        s.autoExitTime = kRaceDayAutoExitTime;
    };
    ProgramRun run(home.desk(), options);
    DayObserver observer(run, home.desktop(), home.betDir(), predictions.dayStart, result);
    if (run.start(kRaceDayLimitMs)) home.desktop().runUntil([&] { return observer.poll(); }, kRaceDayLimitMs);
    observer.poll(true);
    result.virtualMs = home.desktop().virtualMs();
    if (run.ended()) result.events.push_back({result.virtualMs, "program closed"});
    const plat::LocalTime end = plat::localTime(predictions.dayStart + result.virtualMs / 1000);
    result.closedItself = run.ended() && end.hour * 100 + end.minute >= kRaceDayAutoExitTime;

    addPlannedWrites(result, predictions.dayStart);
    addDesktopEvents(result, home);
    std::stable_sort(result.events.begin(), result.events.end(),
                     [](const RaceDayEvent& a, const RaceDayEvent& b) { return a.timeMs < b.timeMs; });
    if (!observer.reportWritten()) result.reportPath.clear();

    centre = centre::Centre::open(clientDir, date.year, date.month, date.day, error, predictions.seed);
    if (!centre) return false;
    const std::vector<centre::LedgerEntry> placed(centre->ledger().begin() + static_cast<std::ptrdiff_t>(placedBefore),
                                                  centre->ledger().end());
    result.betsPlaced = static_cast<int>(placed.size());
    result.broken = FirstBrokenBet(result.files, placed, observer.leftAfterFailedRuns);
    return true;
}

}  // namespace simhome
