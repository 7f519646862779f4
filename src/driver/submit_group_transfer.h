// The second half of a submission: sending the vote through the client's
// 通信 form and reading the client's answer.
#pragma once

#include "driver/client_forms.h"
#include "driver/pat_driver.h"

namespace driver {

enum class PressOutcome {
    Transfer,    // the 通信 form came up
    TotalWrong,  // the client said 合計金額が誤りです。
    NoTransfer,  // ten presses, and no 通信 form
};

// Presses the vote button of the amount-confirmation form, up to ten
// times, until the 通信 form appears; with checkTotal, a 合計金額が誤りです。
// box ends the pressing.
PressOutcome PressUntilTransfer(const DriverState& driver, const FormControl& button, bool checkTotal);

enum class VoteAnswer {
    Failed,       // the user has been told (8141)
    Accepted,     // the accepted box and the vote's result, or error 10001
    BoxOnly,      // an information box, but no result followed it
};

// Starts the transfer ("ＯＫ" on the 通信 form) and waits for the client's
// answer: the accepted box or error 10001 mean the vote went through; error
// 11028 (with Force Mode) is answered by typing the total again and forcing
// the vote.  Any other answer, or none, is a failure after 8141.  An
// information box that no result form follows within WindowOpenWait is
// answered BoxOnly: the client says the same way that a transfer was
// stopped, so only the vote's log can tell.
VoteAnswer RunTransferAndAwaitAnswer(PatDriver& driver, int totalYen);

}  // namespace driver
