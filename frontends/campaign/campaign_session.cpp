#include "frontends/campaign/campaign_session.h"

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <utility>

#include "betclient/centre/centre.h"
#include "betclient/faults.h"
#include "driver/driver_settings.h"
#include "frontends/campaign/campaign_check.h"
#include "frontends/campaign/campaign_plan.h"
#include "frontends/cli/ledger_lines.h"
#include "frontends/simhome/program_run.h"
#include "frontends/simhome/sim_home.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace campaign {

namespace {

// Limits no list of the campaign reaches: no amount question stops a run.
constexpr int kNoLimitYen = 99'999'900;

// A directory of its own for the session's home, removed at the end.
class SessionDirectory {
public:
    SessionDirectory() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "ornel-campaign-XXXXXX").string();
        if (!ec && mkdtemp(pattern.data())) path_ = pattern + "/";
    }
    ~SessionDirectory() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class Session {
public:
    Session(const SessionPlan& plan, simhome::SimHome& home, simhome::ProgramRun& run, SessionLog& log)
        : plan_(plan), home_(home), run_(run), log_(log), clientDir_(home.desk().clientDir()) {}

    // The plan's runs, one after the other; false when one did not end.
    bool runAll();

private:
    void applySettings(const RunPlan& run);
    bool writeFaults(const RunPlan& run);
    void watchLineReads();
    bool runOne(const RunPlan& run);
    void record(const RunPlan& run, const RunOutcome& outcome, const std::vector<int>& boxes);
    std::vector<centre::LedgerEntry> ledger() const;
    std::vector<int> boxesSince(std::size_t from) const;

    const SessionPlan& plan_;
    simhome::SimHome& home_;
    simhome::ProgramRun& run_;
    SessionLog& log_;
    std::string clientDir_;
    std::size_t current_ = 0;              // the run under way
    std::shared_ptr<int> linesRead_ = std::make_shared<int>(0);
};

// The options dialog confirmed with the run's settings (the program's
// thread waits meanwhile).
void Session::applySettings(const RunPlan& run) {
    app::Application& program = run_.program();
    base::Settings& s = program.settings;
    s.limitTime = s.limitRace = kNoLimitYen;
    s.betDivideUnit = run.betDivideUnit;
    s.forceMode = run.forceMode;
    s.forceTouhyo = run.forceTouhyo;
    s.actionWait = run.actionWaitMs;
    s.windowOpenWait = run.windowOpenWaitS;
    driver::LoadDriverSettings(s, program.driverState);
    driver::SetDriverFlags(program.driverState, s.accInp, s.autoPat, s.skipAnn, s.forceMode);
}

bool Session::writeFaults(const RunPlan& run) {
    std::vector<std::string> lines = run.faults;
    if (!plan_.scale.empty()) lines.push_back(plan_.scale);
    if (run.oneShot && run.oneShot->afterLines == 0) lines.push_back(run.oneShot->line);
    return run_.asUser([&] { betclient::writeFaults(clientDir_, lines); });
}

// STOP, and the run's one-shot fault, at their lines: the run reads each
// line of the list with EM_GETLINE while it lasts.
void Session::watchLineReads() {
    const plat::Hwnd main = run_.mainWindow();
    const plat::Hwnd list = run_.control(ui::kIdBetList);
    const base::RunState& runState = run_.program().runControl.runState;
    auto previous = std::make_shared<plat::WndProc>();
    *previous = plat::setWindowProc(list, [this, previous, main, &runState, read = linesRead_](
                                              plat::Hwnd w, plat::Uint m, plat::Wparam wp, plat::Lparam lp) {
        const plat::Lresult result = plat::callWindowProc(*previous, w, m, wp, lp);
        if (m != plat::EM_GETLINE || runState.load() != base::kRunRunning || current_ >= plan_.runs.size())
            return result;
        const RunPlan& run = plan_.runs[current_];
        ++*read;
        if (*read == run.stopAfterLines)
            plat::postMessage(main, plat::WM_COMMAND, plat::makeWparam(ui::kIdBet, plat::BN_CLICKED), 0);
        if (run.oneShot && run.oneShot->afterLines == *read) betclient::addFault(clientDir_, run.oneShot->line);
        return result;
    });
}

std::vector<centre::LedgerEntry> Session::ledger() const {
    std::string error;
    const std::optional<centre::Centre> centre =
        centre::Centre::open(clientDir_, plan_.year, plan_.month, plan_.day, error);
    return centre ? centre->ledger() : std::vector<centre::LedgerEntry>{};
}

std::vector<int> Session::boxesSince(std::size_t from) const {
    std::vector<int> boxes;
    const auto seen = home_.user().seenFrom(simhome::kOrnelProgram);
    for (std::size_t i = from; i < seen.size(); ++i)
        if (seen[i].info.isMessageBox) boxes.push_back(static_cast<int>(seen[i].info.helpId));
    return boxes;
}

bool Session::runOne(const RunPlan& run) {
    applySettings(run);
    if (!writeFaults(run)) return false;
    if (!run.retryLeftover && !run_.enterIntoList(run.list)) return false;
    const std::size_t ledgerBefore = ledger().size();
    const std::size_t boxesBefore = home_.user().seenFrom(simhome::kOrnelProgram).size();
    *linesRead_ = 0;
    // The list as 投票 takes it: its own re-parse renders the same lines.
    RunOutcome outcome;
    outcome.given = run_.controlText(ui::kIdBetList);
    simhome::ProgramRun::BetOutcome bet;
    if (!run_.placeBets(bet, 0, kSessionLimitMs)) return false;
    outcome.result = bet.result;
    outcome.left = bet.listAfter;
    const std::vector<centre::LedgerEntry> after = ledger();
    if (ledgerBefore < after.size())
        outcome.placed = cli::LedgerAsBetList({after.begin() + static_cast<std::ptrdiff_t>(ledgerBefore), after.end()});
    record(run, outcome, boxesSince(boxesBefore));
    return true;
}

void Session::record(const RunPlan& run, const RunOutcome& o, const std::vector<int>& boxes) {
    const std::string number = std::to_string(current_ + 1);
    std::string text = "run " + number + ": " + std::to_string(BetsOf(o.given).size()) +
                       (run.retryLeftover ? " bets left before" : " bets") + ", divide " +
                       std::to_string(run.betDivideUnit) + ", force mode " + std::to_string(run.forceMode) +
                       ", force touhyo " + std::to_string(run.forceTouhyo) + ", action wait " +
                       std::to_string(run.actionWaitMs) + ", window open wait " + std::to_string(run.windowOpenWaitS);
    for (const std::string& f : run.faults) text += ", fault " + f;
    if (run.oneShot) text += ", fault " + run.oneShot->line + " after line " + std::to_string(run.oneShot->afterLines);
    if (run.stopAfterLines > 0) text += ", STOP after line " + std::to_string(run.stopAfterLines);
    text += " -> result " + std::to_string(o.result) + ", placed " + std::to_string(BetsOf(o.placed).size()) +
            ", left " + std::to_string(BetsOf(o.left).size()) + ", boxes";
    if (boxes.empty()) text += " none";
    for (const int id : boxes) text += " " + std::to_string(id);
    log_.events.push_back(text);
    ++log_.runs;

    const std::vector<std::string> broken = CheckRun(o);
    for (const std::string& rule : broken) log_.violations.push_back("run " + number + ": " + rule);
    // A run that broke a rule is told in full, for its replay.
    if (broken.empty()) return;
    for (const auto& [name, list] : {std::pair{"given", &o.given}, std::pair{"placed", &o.placed},
                                     std::pair{"left", &o.left}}) {
        log_.events.push_back(std::string("  ") + name + ":");
        for (const std::string& bet : BetsOf(*list)) log_.events.push_back("    " + bet);
    }
}

bool Session::runAll() {
    watchLineReads();
    for (current_ = 0; current_ < plan_.runs.size(); ++current_)
        if (!runOne(plan_.runs[current_])) return false;
    return true;
}

}  // namespace

SessionLog RunSession(std::uint64_t seed) {
    const SessionPlan plan = PlanSession(seed);
    SessionLog log;
    SessionDirectory directory;
    if (directory.path().empty()) {
        log.violations.push_back("set-up: no temporary directory");
        return log;
    }
    simhome::SimHomeOptions options;
    options.home = directory.path();
    options.startTime = plan.startTime;
    options.seed = seed;
    if (!plan.scale.empty()) options.faults.push_back(plan.scale);
    simhome::SimHome home;
    std::string error;
    if (!home.open(options, error)) {
        log.violations.push_back("set-up: " + error);
        return log;
    }
    simhome::ProgramRun run(home.desk());
    if (!run.start(kSessionLimitMs)) {
        log.violations.push_back("the program did not start");
        return log;
    }
    Session session(plan, home, run, log);
    if (!session.runAll()) log.violations.push_back("a run did not end");
    run.close();
    return log;
}

}  // namespace campaign
