#include "app/shell_commands.h"

#include "app/application.h"
#include "app/auto_exit_dialog.h"
#include "app/environment_dialog.h"
#include "app/options_dialog.h"
#include "app/payout_commands.h"
#include "app/version_dialog.h"
#include "ui/main_commands.h"

namespace app {

void BindShellCommands(ui::MainWindow& window, Application& p) {
    ui::CommandTable& table = window.commands();
    ui::MainWindow* w = &window;
    table.setAction(ui::kIdEnvironment, [w, &p] {
        EditEnvironment(w->hwnd(), p.settings, p.profile(), p.driverState);
        w->listCommands().focusBetList();
    });
    table.setAction(ui::kIdOptions, [w, &p] { EditOptions(w->hwnd(), p.settings, p.profile(), p.driverState); });
    table.setAction(ui::kIdAutoExit, [w, &p] { EditAutoExit(w->hwnd(), p.settings, p.profile()); });
    table.setAction(ui::kIdAbout, [w, &p] {
        ShowVersion(w->hwnd(), p.terms);
        w->listCommands().focusBetList();
    });
    if (p.clientInstalled()) {
        table.setAction(ui::kIdPayoutFetch, [w, &p] {
            clientdata::PayoutContext payouts = p.payoutContext(*w);
            const std::optional<int> fetched =
                PayoutFetchCommand(w->hwnd(), p.settings, p.profile(), p.driver, payouts, p.runControl.runState);
            if (fetched && p.options().clientOperated) p.options().clientOperated(ui::kIdPayoutFetch, *fetched);
        });
    }
    table.setAction(ui::kIdPayoutReport, [w, &p] {
        clientdata::PayoutContext payouts = p.payoutContext(*w);
        PayoutReportCommand(payouts, p.runControl.programClock.load());
    });
}

}  // namespace app
