// `ornel sim ...`: Ornel against the replacement client in a simulated home
// (frontends/simhome), one sub-command per operation.
#pragma once

#include "frontends/cli/commands.h"

namespace cli {

// `ornel sim connect`: ConnectClient on Ornel's window thread.
int runSimConnect(const Args& args);
// `ornel sim bet`: a bet file placed by the 投票 command.
int runSimBet(const Args& args);
// `ornel sim campaign`: seeded sessions of several runs on one client, each
// run checked against the centre's ledger.
int runSimCampaign(const Args& args);

}  // namespace cli
