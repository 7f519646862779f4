#include "ui/bet_command_host.h"

#include "base/next_bet_file.h"
#include "betdata/refused_bets.h"
#include "clientdata/vote_log.h"
#include "ui/main_window_layout.h"

namespace ui {

BetCommand BetCommandBinding::command() { return {window_.hwnd(), *this, *model_.betRun, model_.betList.table, model_.run.autoMode}; }

void BetCommandBinding::onBet() {
    if (model_.betRun == nullptr) return;
    BetCommand bet = command();
    OnBet(bet);
}

void BetCommandBinding::onTick() {
    if (model_.betRun == nullptr || !RunHasEnded(model_.run.runState)) return;
    BetCommand bet = command();
    FinishRun(bet);
}

bool BetCommandBinding::reparseRequest(bool skipTermsCheck) {
    return window_.listCommands().onReparseRequest(skipTermsCheck);
}

void BetCommandBinding::clearCommand() { window_.listCommands().clear(); }

void BetCommandBinding::focusBetList() { window_.listCommands().focusBetList(); }

void BetCommandBinding::autoToggle() { window_.runCommand(kIdAutoMode); }

void BetCommandBinding::loadNewVoteLog() {
    clientdata::VoteLogState& voteLog = model_.voteLog;
    if (!base::FileHasData(voteLog.nextLogPath)) return;
    clientdata::VoteLogContext context{model_.terms, voteLog, model_.betFile, model_.settings.pat95Dir,
                                       window_.voteLogHost()};
    if (clientdata::LoadVoteLog(context, voteLog.nextLogPath, model_.run.programClock.load()) > 0)
        window_.betData().showStatus();
}

void BetCommandBinding::recordRefusedBets(const std::vector<base::RefusedBet>& refused) {
    betdata::WriteRefusedEntry(model_.betFile, model_.run.programClock.load(), refused);
    betdata::RefusedTally& tally = model_.betList.refused;
    for (const base::RefusedBet& bet : refused) {
        ++tally.count;
        tally.totalYen += bet.bet.amount * base::kYenPerUnit;
    }
    window_.betData().showStatus();
}

}  // namespace ui
