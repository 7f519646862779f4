// The Load command (button 読込): the day's expected bet file when it is
// waiting, else a bet file chosen in the open-file dialog.
#pragma once

#include "betdata/bet_data_context.h"
#include "betdata/bet_list_commands.h"

namespace betdata {

constexpr const char* kBetFileFilter =
    "BET Files (*.bet;*.tgp)|*.BET;*.TGP|読込済み Files (*.sav)|*.SAV|All Files (*.*)|*.*||";

void RunLoadCommand(BetDataContext& context, BetListCommands& commands);

// What the Load command and the race-card import do first: take in a
// pending line of the list (as Enter does), restart the client when its
// terms are not today's, and make sure the terms are loaded.  False when
// the client connection failed (the user has been told).
bool BringListAndTermsUpToDate(BetDataContext& context, BetListCommands& commands);

// The day's expected bet file when it is waiting to be loaded: a ".BET" or
// ".TGP" with data that was not loaded before.  Empty when there is none.
std::string ExpectedBetFileToLoad(const BetDataContext& context);

}  // namespace betdata
