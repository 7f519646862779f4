#include "ui/main_window.h"

#include "clientdata/client_race_cards.h"
#include "driver/refresh_voting_terms.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "ui/client_data_commands.h"
#include "ui/main_window_layout.h"

namespace ui {

namespace {

constexpr plat::Uint kTickTimer = 1;
constexpr plat::Uint kTickMs = 2000;

}  // namespace

MainWindow::MainWindow(MainWindowModel& model) : BetListWindow(model), betting_(*this, model) {
    setCommand(kIdBet, [this] { betting_.onBet(); });
    // The Load command restarts the client first when its terms are not today's.
    if (model.betRun != nullptr) {
        betData().refreshVotingTerms = [this] { driver::RefreshVotingTerms(model_.betRun->driver, model_.run); };
        setCommand(clientdata::kIdFetchRaceCards, [this] { RunFetchRaceCards(model_.betRun->driver); });
    }
}

bool MainWindow::onInitDialog() {
    const bool result = BetListWindow::onInitDialog();
    plat::setTimer(hwnd(), kTickTimer, kTickMs);
    model_.run.programClock = plat::now();
    return result;
}

plat::Lresult MainWindow::onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam, bool& handled) {
    if (message != plat::WM_TIMER || wParam != kTickTimer)
        return BetListWindow::onMessage(message, wParam, lParam, handled);
    handled = true;
    model_.run.programClock = plat::now();
    betting_.onTick();
    return 0;
}

}  // namespace ui
