// The campaign's Ornel: the program's main window on one running client,
// used as a user would use it for each run of a session plan: the settings
// of the run as the options dialog sets them, the faults of the run into
// the client's fault file, the list typed in (or the list the run before
// left), Enter, 投票, STOP or a fault at the planned line; then, once
// FinishRun has completed the run, the check of what the centre took.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "betclient/centre/voting.h"
#include "frontends/campaign/campaign_check.h"
#include "frontends/campaign/campaign_plan.h"
#include "frontends/cli/bet_window.h"
#include "platform/sim/scripted_user.h"

namespace campaign {

// What a session did and what it broke.
struct SessionLog {
    std::vector<std::string> events;      // one line per run (and set-up troubles)
    std::vector<std::string> violations;  // "run K: rule broken"
    int runs = 0;                         // runs completed (started or not)
};

class CampaignWindow : public cli::DrivenMainWindow {
public:
    CampaignWindow(cli::BetRunWorld& world, const SessionPlan& plan, const std::string& clientDir,
                   const sim::ScriptedUser& user, SessionLog& log);

protected:
    bool onInitDialog() override;
    void onLineRead(int lineNumber) override;
    void onRunCompleted(std::int16_t result) override { completeRun(result); }

private:
    void startRun();
    void applySettings(const RunPlan& run);
    void writeFaults(const RunPlan& run);
    void completeRun(std::int16_t result);
    std::vector<centre::LedgerEntry> ledger() const;
    std::string ledgerSince(std::size_t from) const;
    std::string describe(const RunPlan& run, const RunOutcome& outcome, const std::vector<int>& boxes) const;

    const SessionPlan& plan_;
    std::string clientDir_;
    const sim::ScriptedUser& user_;
    SessionLog& log_;
    std::size_t next_ = 0;         // the run to start next
    std::string given_;
    std::size_t ledgerBefore_ = 0;
    std::size_t boxesBefore_ = 0;
};

}  // namespace campaign
