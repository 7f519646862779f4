#include "driver/enter_bet.h"

#include "base/bet_line.h"
#include "driver/bet_runner_failure.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/vote_form_steps.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"

namespace driver {

namespace {

// Kind, method and numbers.  The kind and method selections are not
// checked: a kind that did not take shows in the numbers or in the client's
// entry check at "Ｏ　Ｋ".
bool enterKindAndNumbers(DriverState& state, const base::ReadBackBet& bet) {
    switch (bet.kind) {
    case base::kKindTansho:
    case base::kKindFukusho:
        SelectKind(state, bet.kind == base::kKindTansho ? kKindIndexTansho : kKindIndexFukusho);
        if (!ClickNumberCell(state, bet.first)) return false;
        plat::sleep(CurrentWaits(state).message);
        return true;
    case base::kKindWakuren:
        SelectKind(state, kKindIndexWakuren);
        SelectMethod(state);
        return ClickBracketCell(state, bet.first) &&
               ClickBracketCell(state, bet.second == bet.first ? kSameBracketCell : bet.second);
    case base::kKindUmaren:
        SelectKind(state, kKindIndexUmaren);
        SelectMethod(state);
        return ClickNumberCell(state, bet.first) && ClickNumberCell(state, bet.second);
    default: return false;
    }
}

}  // namespace

bool EnterBet(PatDriver& driver, int day, const base::ReadBackBet& bet, int& enteredTotal) {
    if (!BetAllowedByTerms(driver.terms, day, bet)) return true;
    if (!PrepareVoteForm(driver)) return false;
    DriverState& state = driver.state;
    state.progress->step = RunStep::Racecourse;
    if (!SelectDay(state, day) || !SelectVenue(state, bet.venue) || !SelectRace(state, bet.race))
        return ClientStepFailed(driver);
    state.progress->step = RunStep::Numbers;
    if (!enterKindAndNumbers(state, bet)) return ClientStepFailed(driver);
    const std::uint32_t pause = CurrentWaits(state).message;
    plat::sleep(pause);
    state.progress->step = RunStep::Amount;
    if (!EnterAmount(state, bet.amountYen)) return ClientStepFailed(driver);
    // From here the client may hold the bet until a vote takes it.
    state.entriesPending = true;
    state.progress->step = RunStep::Confirm;
    ClickOnForm(state, kVoteConfirmBet);
    plat::sleep(pause);
    enteredTotal += bet.amountYen;
    return true;
}

}  // namespace driver
