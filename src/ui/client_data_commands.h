// The main window's commands on the client's data files: 発走時刻の読込
// (32778), 出馬表の読込 (32781) and タイマー投票ファイル出力 (32777).
#pragma once

#include "betdata/bet_data_context.h"
#include "betdata/bet_list_commands.h"

namespace ui {

// 発走時刻の読込: start times from a race-card file the user picks.
void RunImportRaceCardFile(betdata::BetDataContext& context, betdata::BetListCommands& commands);
// 出馬表の読込: start times from the client's race-card files, under the wait cursor.
void RunReadClientRaceCards(betdata::BetDataContext& context);
// タイマー投票ファイル出力: the bet list as a timer-bet file.
void RunWriteTimerBetFile(betdata::BetDataContext& context);

}  // namespace ui
