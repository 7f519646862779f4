#include "frontends/campaign/campaign_window.h"

#include <optional>
#include <utility>

#include "betclient/centre/centre.h"
#include "betclient/faults.h"
#include "betdata/edit_transfer.h"
#include "driver/driver_settings.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/ledger_lines.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace campaign {

namespace {

// A command of the campaign's window only (outside the program's ids).
constexpr int kIdNextRun = 0x7F10;
// Limits no list of the campaign reaches: no amount question stops a run.
constexpr int kNoLimitYen = 99'999'900;

void post(plat::Hwnd window, int id) {
    plat::postMessage(window, plat::WM_COMMAND, plat::makeWparam(id, static_cast<int>(plat::BN_CLICKED)), 0);
}

}  // namespace

CampaignWindow::CampaignWindow(cli::BetRunWorld& world, const SessionPlan& plan, const std::string& clientDir,
                               const sim::ScriptedUser& user, SessionLog& log)
    : cli::DrivenMainWindow(world), plan_(plan), clientDir_(clientDir), user_(user), log_(log) {
    setCommand(kIdNextRun, [this] { startRun(); });
}

bool CampaignWindow::onInitDialog() {
    world_.settings.limitTime = world_.settings.limitRace = kNoLimitYen;
    const bool result = cli::DrivenMainWindow::onInitDialog();
    post(hwnd(), kIdNextRun);
    return result;
}

// The options dialog confirmed with the run's settings.
void CampaignWindow::applySettings(const RunPlan& run) {
    base::Settings& s = world_.settings;
    s.betDivideUnit = run.betDivideUnit;
    s.forceMode = run.forceMode;
    s.forceTouhyo = run.forceTouhyo;
    s.actionWait = run.actionWaitMs;
    s.windowOpenWait = run.windowOpenWaitS;
    driver::LoadDriverSettings(s, world_.state);
    driver::SetDriverFlags(world_.state, s.accInp, s.autoPat, s.skipAnn, s.forceMode);
}

void CampaignWindow::writeFaults(const RunPlan& run) {
    std::vector<std::string> lines = run.faults;
    if (!plan_.scale.empty()) lines.push_back(plan_.scale);
    if (run.oneShot && run.oneShot->afterLines == 0) lines.push_back(run.oneShot->line);
    betclient::writeFaults(clientDir_, lines);
}

void CampaignWindow::startRun() {
    if (next_ >= plan_.runs.size()) {
        endDialog(plat::IDOK);
        return;
    }
    const RunPlan& run = plan_.runs[next_];
    applySettings(run);
    writeFaults(run);
    if (!run.retryLeftover) typeIntoList(run.list);
    ledgerBefore_ = ledger().size();
    boxesBefore_ = user_.seenFrom(cli::kOrnelProgram).size();
    given_ = betdata::EditText(item(ui::kIdBetList));
    runCommand(ui::kIdBet);
    if (world_.run.runState.load() == base::kRunIdle) {
        completeRun(0);  // nothing started (an empty list, or the terms step failed)
        return;
    }
    // The list as 投票 re-parsed it, before the run reads a line.
    given_ = betdata::EditText(item(ui::kIdBetList));
}

// STOP, and the run's one-shot fault, at their lines.
void CampaignWindow::onLineRead(int lineNumber) {
    if (next_ >= plan_.runs.size()) return;
    const RunPlan& run = plan_.runs[next_];
    if (lineNumber == run.stopAfterLines) pressBet();
    if (run.oneShot && run.oneShot->afterLines == lineNumber) betclient::addFault(clientDir_, run.oneShot->line);
}

void CampaignWindow::completeRun(std::int16_t result) {
    const RunPlan& run = plan_.runs[next_];
    RunOutcome outcome;
    outcome.result = result;
    outcome.given = given_;
    outcome.placed = ledgerSince(ledgerBefore_);
    outcome.left = betdata::EditText(item(ui::kIdBetList));
    std::vector<int> boxes;
    const auto seen = user_.seenFrom(cli::kOrnelProgram);
    for (std::size_t i = boxesBefore_; i < seen.size(); ++i)
        if (seen[i].info.isMessageBox) boxes.push_back(static_cast<int>(seen[i].info.helpId));
    log_.events.push_back(describe(run, outcome, boxes));
    const std::vector<std::string> broken = CheckRun(outcome);
    for (const std::string& rule : broken) log_.violations.push_back("run " + std::to_string(next_ + 1) + ": " + rule);
    // A run that broke a rule is told in full, for its replay.
    if (!broken.empty()) {
        for (const auto& [name, list] : {std::pair{"given", &outcome.given}, std::pair{"placed", &outcome.placed},
                                         std::pair{"left", &outcome.left}}) {
            log_.events.push_back(std::string("  ") + name + ":");
            for (const std::string& bet : BetsOf(*list)) log_.events.push_back("    " + bet);
        }
    }
    ++log_.runs;
    ++next_;
    post(hwnd(), kIdNextRun);
}

// The centre's ledger as it stands (empty when its state cannot be read,
// which the check then shows as bets lost).
std::vector<centre::LedgerEntry> CampaignWindow::ledger() const {
    std::string error;
    const std::optional<centre::Centre> centre =
        centre::Centre::open(clientDir_, plan_.year, plan_.month, plan_.day, error);
    return centre ? centre->ledger() : std::vector<centre::LedgerEntry>{};
}

std::string CampaignWindow::ledgerSince(std::size_t from) const {
    const std::vector<centre::LedgerEntry> all = ledger();
    if (from >= all.size()) return {};
    return cli::LedgerAsBetList({all.begin() + static_cast<std::ptrdiff_t>(from), all.end()});
}

std::string CampaignWindow::describe(const RunPlan& run, const RunOutcome& o, const std::vector<int>& boxes) const {
    std::string text = "run " + std::to_string(next_ + 1) + ": " + std::to_string(BetsOf(o.given).size()) +
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
    return text;
}

}  // namespace campaign
