// `ornel sim ...`: Ornel against the replacement client in a simulated home
// (frontends/simhome), one operation per sub-command.
#pragma once

#include "frontends/cli/commands.h"

namespace cli {

// `ornel sim connect`: ConnectClient on Ornel's window thread.
extern const Command kSimConnectCommand;
// `ornel sim bet`: a bet file placed by the 投票 command.
extern const Command kSimBetCommand;
// `ornel sim payout`: the payout fetch with its reconciliation.
extern const Command kSimPayoutCommand;
// `ornel sim racecards`: the 出馬表の取得 command.
extern const Command kSimRaceCardsCommand;
// `ornel sim campaign`: seeded sessions of several runs on one client, each
// run checked against the centre's ledger.
extern const Command kSimCampaignCommand;
// `ornel sim day`: a whole race day in AUTO mode.
extern const Command kSimDayCommand;
// `ornel sim script`: the whole program played by a script of user steps.
extern const Command kSimScriptCommand;

}  // namespace cli
