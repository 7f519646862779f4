// The main window's commands on the client's data files: 発走時刻の読込
// (32778), 出馬表の取得 (32780), 出馬表の読込 (32781) and タイマー投票ファイル
// 出力 (32777).
#pragma once

#include <string>

#include "base/voting_terms.h"
#include "betdata/bet_data_context.h"
#include "betdata/bet_list_commands.h"
#include "driver/pat_driver.h"

namespace ui {

// 発走時刻の読込: start times from a race-card file the user picks.
void RunImportRaceCardFile(betdata::BetDataContext& context, betdata::BetListCommands& commands);
// 出馬表の読込: start times from the client's race-card files next to its
// executable (Settings "Pat95 Dir"), under the wait cursor.
void RunReadClientRaceCards(base::VotingTerms& terms, const std::string& clientExePath);
// 出馬表の取得: the client's information screen fetches the day's race
// cards, then they are read as 出馬表の読込 reads them.  Returns the fetch's
// result (0 done, 1 a fetch was already running, -1 failed: the user has
// been told).
int RunFetchRaceCards(driver::PatDriver& driver);
// タイマー投票ファイル出力: the bet list as a timer-bet file.
void RunWriteTimerBetFile(betdata::BetDataContext& context);

}  // namespace ui
