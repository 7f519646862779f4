#include "driver/refresh_voting_terms.h"

#include "base/strings.h"
#include "clientdata/terms_reader.h"
#include "driver/client_forms.h"
#include "driver/close_client.h"
#include "driver/connect_client.h"
#include "driver/driver_settings.h"
#include "driver/form_actions.h"
#include "platform/clock.h"

namespace driver {

namespace {

constexpr unsigned kClientRunningWaitMs = 100;
constexpr int kClosingChecks = 60;
constexpr unsigned kClosingCheckWaitMs = 500;
constexpr unsigned kClosingPauseMs = 1000;

bool clientRunning(const DriverState& state, unsigned timeoutMs) {
    return WaitForm(state, kMenuForm, timeoutMs) != 0;
}

// A fetching connection always fetches the terms.
constexpr int kFetchSkipAnn = 0;

void setFetchFlags(PatDriver& driver, const base::RunControl& run) {
    SetRunFlags(driver.state, driver.settings, run.timerBetRun(), kFetchSkipAnn);
}

}  // namespace

int RefreshVotingTerms(PatDriver& driver, const base::RunControl& run) {
    DriverState& state = driver.state;
    if (!InBettingHours(ProgramHour(driver))) return 0;
    if (run.timerBetRun() && !clientRunning(state, kClientRunningWaitMs)) {
        setFetchFlags(driver, run);
        if (ConnectClient(driver, kConnectTermsOnly) == -1) return -1;
    }
    if (clientdata::TermsFileIsToday(driver.terms, state.clientPath, driver.programClock.load())) return 0;
    if (!clientRunning(state, kClientRunningWaitMs)) return 0;
    if (run.runSource.load() != base::kRunSourceTimerBet &&
        driver.notifier.message(base::kMsgTermsNotToday, plat::MB_YESNO) == plat::IDNO)
        return 0;

    CloseClient(driver);
    setFetchFlags(driver, run);
    for (int check = 0; check < kClosingChecks && clientRunning(state, kClosingCheckWaitMs); ++check)
        plat::sleep(kClosingPauseMs);
    return ConnectClient(driver, kConnectTermsOnly) == -1 ? -1 : 0;
}

}  // namespace driver
