// The client's information form ("パドック"): opening it in its selection
// mode, choosing a racecourse, and running the transfer of what was
// selected.  The client writes what it receives (payout files, race cards)
// into its directory.  Window thread only.
#pragma once

#include <cstdint>

#include "driver/pat_driver.h"

namespace driver {

// Brings the information form up in its selection mode ("情報取得" pressed,
// "通信" disabled until items are chosen): uses an open form, else opens it
// from the menu form (connecting the client first when there is no menu
// form); a form that does not enter the selection mode is closed and opened
// again.  0 when ready; -1 after the user has been told.
int OpenInfoForm(PatDriver& driver);

// Chooses itemText in the list of the frame whose caption begins with
// framePrefix inside the form's panel, at (x, y) (already scaled) taken from
// the panel's corner; the list is clicked at (x, y) of the form and moved
// with the up and down keys.  False when the panel, the frame or its list is
// missing, or the item was not selected.
bool SelectInfoComboItem(DriverState& driver, const char* framePrefix, const char* itemText, int x, int y);

// Presses "通信", starts the transfer on the communication form, waits for
// it to end and answers the client's closing box.  0 when done (also when no
// box came); -1 after the user has been told: an error box, or a transfer
// still running after kInfoTransferLimitMs.
int FinishInfoFetch(PatDriver& driver);

// The day's payouts of every meeting of the voting terms: each racecourse
// chosen, its four payout kinds selected, then one transfer.  0 done; 1 when
// a fetch (of payouts or race cards) is already running, and nothing was
// touched; -1 after the user has been told.
int FetchPayoutInfo(PatDriver& driver);

// The race cards of every meeting: each racecourse chosen and its twelve
// races selected, then one transfer.  Results as for FetchPayoutInfo.
int FetchRaceCards(PatDriver& driver);

// Upper bound of the wait while the communication form stays open after an
// information transfer was started: a transfer still running after five
// minutes is taken as hung.
constexpr std::uint32_t kInfoTransferLimitMs = 5 * 60 * 1000;

}  // namespace driver
