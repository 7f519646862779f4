// The payout commands of the main window: 払戻情報の取得 (the payout-fetch
// dialog, whose 今すぐ取得 fetches and reconciles at once) and
// 払戻情報ファイル出力 (reconciliation and report from the files the client
// already has).
#pragma once

#include <cstdint>
#include <optional>

#include "base/profile_store.h"
#include "base/run_state.h"
#include "base/settings.h"
#include "clientdata/payout_fetch_time.h"
#include "clientdata/reconcile_bet_log.h"
#include "driver/pat_driver.h"
#include "platform/dialog.h"

namespace app {

constexpr const char* kPayoutDialogCaption = "払戻情報の取得";
// Control ids of the dialog.
constexpr int kIdAutoFetch = 1101;
constexpr int kIdFetchHour = 1102;
constexpr int kIdFetchMinute = 1103;
constexpr int kIdWriteReport = 1104;
constexpr int kIdFetchNow = 1105;
// Valid fetch times.
constexpr int kFirstFetchHour = 10;
constexpr int kLastFetchHour = 16;

plat::DialogTemplate PayoutDialogTemplate();

enum class PayoutDialogChoice { Cancel, Saved, FetchNow };

// Shows the dialog over owner, filled from "Haraimodoshi Info Get Time": the
// fetch time and its two switches.  OK range-checks hour and minute, then
// stores the new value in the settings and in the profile; 今すぐ取得 and
// ｷｬﾝｾﾙ leave it as it was.
PayoutDialogChoice ShowPayoutFetchDialog(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile);

// Command 32779: the dialog, and after 今すぐ取得 the fetch and
// reconciliation (ui::FetchAndReconcilePayouts), whose result is returned
// (none when the dialog did not fetch).  The payout context is the one of
// the moment the command runs.  While a run lasts the BetRunner thread
// operates the client: 今すぐ取得 then only beeps, and nothing is fetched.
std::optional<int> PayoutFetchCommand(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                                      driver::PatDriver& driver, clientdata::PayoutContext& payouts,
                                      const base::RunState& runState);

// Command 32783: ReconcileBetLog on the date of clock (the program clock),
// then the payout report, whether or not the setting asks for one after
// every reconciliation (it is written once).
void PayoutReportCommand(clientdata::PayoutContext& payouts, std::int64_t clock);

}  // namespace app
