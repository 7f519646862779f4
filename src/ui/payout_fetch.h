// The day's payouts fetched from the client and reconciled with the bet
// log: what 今すぐ取得 of the payout dialog and AutoMode's fetch at the set
// time both do.  Window thread.
#pragma once

#include "clientdata/reconcile_bet_log.h"
#include "driver/pat_driver.h"

namespace ui {

// With the wait cursor up: FetchPayoutInfo, then, when it returned 0,
// ReconcileBetLog on the date of the program clock.  Returns what
// FetchPayoutInfo returned (1: a fetch is already running, nothing done).
int FetchAndReconcilePayouts(driver::PatDriver& driver, clientdata::PayoutContext& payouts);

}  // namespace ui
