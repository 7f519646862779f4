// What the client may have left up before the next bet is entered.
#include <array>

#include "driver/bet_runner_failure.h"
#include "driver/client_box.h"
#include "driver/connect_client.h"
#include "driver/driver_waits.h"
#include "driver/enter_bet.h"
#include "driver/form_actions.h"
#include "driver/vote_result.h"
#include "driver/vote_form_steps.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

// The client's entry checks: the last "Ｏ　Ｋ" did not take the bet.
constexpr std::array<FormControl, 4> kEntryCheckTexts = {{
    {kClientInfoBox, {278, 56}, "枠連、馬連選択時"},
    {kClientInfoBox, {278, 56}, "単勝、複勝選択時"},
    {kClientInfoBox, {178, 56}, "馬番／枠番を２つ選択"},
    {kClientInfoBox, {144, 56}, "金額を入力"},
}};
}  // namespace

bool PrepareVoteForm(PatDriver& driver) {
    DriverState& state = driver.state;
    if (plat::findWindow(kClientInfoBox.className, kClientInfoBox.caption) != 0) {
        for (const FormControl& check : kEntryCheckTexts) {
            if (FindOnForm(state, check) != 0) return ClientStepFailed(driver);
        }
        if (FindOnForm(state, kSameBracketText) != 0 && !AnswerSameBracketBox(state, CurrentWaits(state).action))
            return ClientStepFailed(driver);
        // Any other box is left to the selections that follow.
        return true;
    }
    if (plat::findWindow(kVoteResultForm.className, kVoteResultForm.caption) != 0)
        return CloseVoteResult(state) || ClientStepFailed(driver);
    // ConnectClient has told the user when it fails.
    if (ConnectClient(driver, kConnectForBetting) != 0) return false;
    // A vote form opened anew (closed and opened again, or the client
    // started again) shows none of the selections made on the one before:
    // all of them are made again, from 当日.  The group's 同枠取消 stands.
    const plat::Hwnd vote = plat::findWindow(kVoteForm.className, kVoteForm.caption);
    if (vote != state.entry.form) {
        const int sameBracketSeen = state.entry.sameBracketSeen;
        state.entry.reset();
        state.entry.day = kDayToday;
        state.entry.sameBracketSeen = sameBracketSeen;
        state.entry.form = vote;
    }
    return true;
}

}  // namespace driver
