#include "ui/client_data_commands.h"

#include "base/bet_list_edit.h"
#include "betdata/load_command.h"
#include "clientdata/client_race_cards.h"
#include "clientdata/race_card_import.h"
#include "clientdata/timer_bet_file.h"
#include "driver/info_screen.h"
#include "platform/clock.h"
#include "platform/dialog.h"

namespace ui {

void RunImportRaceCardFile(betdata::BetDataContext& c, betdata::BetListCommands& commands) {
    clientdata::ImportRaceCardFile({.terms = c.terms,
                                    .notifier = c.notifier,
                                    .owner = c.windows.main,
                                    .clock = c.clock.load(),
                                    .prepare = [&] { return betdata::BringListAndTermsUpToDate(c, commands); },
                                    .showStatus = [&] { c.showStatus(); }});
}

void RunReadClientRaceCards(base::VotingTerms& terms, const std::string& clientExePath) {
    plat::WaitCursor wait;
    clientdata::ReadClientRaceCards(terms, clientExePath);
}

int RunFetchRaceCards(driver::PatDriver& driver) {
    const int result = driver::FetchRaceCards(driver);
    RunReadClientRaceCards(driver.terms, driver.settings.pat95Dir);
    return result;
}

void RunWriteTimerBetFile(betdata::BetDataContext& c) {
    base::EditBetList list(c.windows.betList);
    clientdata::WriteTimerBetFile({.list = list,
                                   .headerMonth = c.state.headerMonth,
                                   .headerDay = c.state.headerDay,
                                   .betFile = c.betFile,
                                   .notifier = c.notifier,
                                   .owner = c.windows.main,
                                   .now = plat::now()});
}

}  // namespace ui
