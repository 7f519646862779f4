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

// Starts the transfer ("ＯＫ" on the 通信 form) and waits for the client's
// answer: the accepted box or error 10001 mean the vote went through; error
// 11028 (with Force Mode) is answered by typing the total again and forcing
// the vote.  Any other answer, or none, is a failure after 8141.
bool RunTransferAndAwaitAnswer(PatDriver& driver, int totalYen);

}  // namespace driver
