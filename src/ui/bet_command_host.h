// The 投票 command bound to the main window: its BetList handlers serve the
// command and FinishRun, and its timer completes a run that has ended.
#pragma once

#include "ui/bet_command.h"
#include "ui/bet_list_window.h"

namespace ui {

class BetCommandBinding : private BetCommandHost {
public:
    BetCommandBinding(BetListWindow& window, MainWindowModel& model) : window_(window), model_(model) {}

    // Command 1004 (nothing without a bet run in the model).
    void onBet();
    // The main window's timer tick: FinishRun once the run has ended.
    void onTick();

private:
    bool reparseRequest(bool skipTermsCheck) override;
    void clearCommand() override;
    void focusBetList() override;
    void autoToggle() override;
    void loadNewVoteLog() override;
    void recordRefusedBets(const std::vector<base::RefusedBet>& refused) override;
    BetCommand command();

    BetListWindow& window_;
    MainWindowModel& model_;
};

}  // namespace ui
