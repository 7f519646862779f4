#include "ui/payout_fetch.h"

#include "driver/info_screen.h"
#include "platform/dialog.h"

namespace ui {

int FetchAndReconcilePayouts(driver::PatDriver& driver, clientdata::PayoutContext& payouts) {
    const plat::WaitCursor wait;
    const int fetched = driver::FetchPayoutInfo(driver);
    if (fetched == 0) clientdata::ReconcileBetLog(payouts, driver.programClock.load());
    return fetched;
}

}  // namespace ui
