#include "driver/connect_client.h"

#include <algorithm>

#include "base/strings.h"
#include "clientdata/terms_reader.h"
#include "driver/client_forms.h"
#include "driver/driver_message.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/form_ready.h"
#include "driver/input.h"
#include "driver/start_client.h"
#include "driver/window_waits.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kVoteButtonRounds = 30;
constexpr int kVoteButtonPressEvery = 10;  // rounds 1, 11 and 21 press
constexpr int kStartAttempts = 11;
constexpr int kLoginFormChecks = 11;
constexpr int kLoginOkPresses = 11;
constexpr int kFetchPresses = 11;
constexpr int kTransferOkPresses = 6;
constexpr int kSkipFetchPresses = 6;
constexpr int kVoteFormWaits = 21;
constexpr unsigned kVoteFormSettleMs = 5000;
// Time the venue guide may take to appear after a transfer has ended,
// counted in rounds of 2 x MessageWait.
constexpr std::uint32_t kTermsAfterTransferMs = 20000;

// Where the connection goes on after looking at the client.
enum class Next {
    Failed,      // tell the user (8141) and stop
    Stopped,     // stop: the user has been told already, or there is nothing to tell
    LoadTerms,   // read the terms unless they are in memory
    Login,       // start the client and log in
    ChooseVenue  // open the vote form from the venue guide
};

int failed(PatDriver& driver) { return FailWith(driver, base::kMsgClientFailed); }

}  // namespace

int LoadTermsUnlessInMemory(PatDriver& driver) {
    base::VotingTerms& terms = driver.terms;
    if (terms.termsDay != 0) return 0;
    clientdata::TermsContext context{terms, driver.betFile, driver.settings.betFileDir,
                                     driver.settings.targetDir};
    clientdata::LoadVotingTerms(context, driver.state.clientPath,
                                [&driver](const std::string& text) { driver.notifier.text(text); });
    terms.termsChecked = clientdata::AreTermsCurrent(terms, driver.programClock.load()) ? 1 : 0;
    if (terms.termsChecked == 0)
        ShowDriverMessage(driver.notifier, driver.mainWindow.load(), base::kMsgTermsUnchecked);
    return 0;
}

namespace {

// The vote form is there: it must take input; bet entry restores it,
// calibrates to it and waits until the client has built all of it.
Next useVoteForm(PatDriver& driver, plat::Hwnd vote, int mode, const Waits& waits) {
    if (plat::getStyle(vote) & plat::WS_DISABLED) return Next::Failed;
    if ((mode & kConnectForBetting) == 0) return Next::LoadTerms;
    if (!RestoreIfMinimized(driver.state, vote)) return Next::Failed;
    CalibrateTo(driver.state, kVoteForm);
    if (!WaitVoteFormReady(driver.state, vote, waits.windowOpen)) return Next::Failed;
    return Next::LoadTerms;
}

// Logged in, at the menu form: press 投  票 (again every ten rounds) until
// the vote form opens.
Next openVoteFormFromMenu(PatDriver& driver, const Waits& waits) {
    DriverState& state = driver.state;
    for (int round = 0; round < kVoteButtonRounds; ++round) {
        if (round % kVoteButtonPressEvery == 0) {
            CalibrateTo(state, kMenuForm);
            if (ClickOnForm(state, kMenuVote) == 0) return Next::Failed;
        }
        plat::sleep(waits.action);
        if (WaitForm(state, kVoteForm, Times(4, waits.action)) != 0) {
            plat::sleep(Times(2, waits.action));
            CalibrateTo(state, kVoteForm);
            return Next::LoadTerms;
        }
    }
    return Next::Failed;
}

// Start the client, wait for its login form and log in (password first).
bool logIn(PatDriver& driver, const Waits& waits) {
    DriverState& state = driver.state;
    bool started = false;
    for (int i = 0; i < kStartAttempts && !started; ++i) {
        StartClient(state, state.clientPath);
        plat::sleep(waits.action);
        started = WaitForm(state, kLoginForm, waits.windowOpen) != 0;
    }
    if (!started) return false;

    plat::sleep(waits.action);
    bool ready = false;
    for (int i = 0; i < kLoginFormChecks && !ready; ++i) {
        CalibrateTo(state, kLoginForm);
        ready = WaitOnForm(state, kLoginOk, Times(4, waits.action)) != 0;
    }
    if (!ready) return false;

    // The password first, then the user ID.
    const plat::Point password = Scaled(state, kLoginPasswordAt);
    const plat::Point userId = Scaled(state, kLoginUserIdAt);
    TypeTextAt(state, kLoginForm.className, kLoginForm.caption, password.x, password.y, state.password.c_str());
    TypeTextAt(state, kLoginForm.className, kLoginForm.caption, userId.x, userId.y, state.userId.c_str());
    plat::sleep(waits.action);

    for (int i = 0; i < kLoginOkPresses; ++i) {
        ClickOnForm(state, kLoginOk);
        plat::sleep(waits.action);
        if (WaitOnForm(state, kLoginSkipTerms, Times(4, waits.action)) != 0 &&
            WaitOnForm(state, kLoginFetchTerms, Times(4, waits.action)) != 0)
            return true;
    }
    return false;
}

void clearTerms(base::VotingTerms& terms) {
    terms.meetings = {};
    terms.termsYear = terms.termsMonth = terms.termsDay = 0;
}

// After the transfer, wait for the venue guide.  An error box ends
// it; an open communication form means the transfer still runs, up to
// kTermsTransferLimitMs; otherwise the venue guide has 20 s to appear.
bool awaitVenueGuideAfterTransfer(PatDriver& driver, const Waits& waits) {
    DriverState& state = driver.state;
    plat::sleep(Times(4, waits.action));
    const std::uint32_t roundsAllowed = kTermsAfterTransferMs / std::max<std::uint32_t>(Times(2, waits.message), 1);
    const std::uint32_t transferStart = plat::tickCount();
    std::uint32_t counted = 0;
    for (;;) {
        if (WaitForm(state, kVenueGuideForm, Times(2, waits.message)) != 0) return true;
        if (WaitForm(state, kClientErrorBox, waits.message) != 0) return false;
        if (WaitForm(state, kCommunicationForm, Times(2, waits.message)) != 0) {
            if (plat::tickCount() - transferStart > kTermsTransferLimitMs) return false;
            continue;
        }
        if (++counted >= roundsAllowed) return false;
    }
}

// Fetching: 取得する, then OK on the communication form until the transfer
// runs.
bool fetchTerms(PatDriver& driver, const Waits& waits) {
    DriverState& state = driver.state;
    clearTerms(driver.terms);
    bool communicating = false;
    for (int i = 0; i < kFetchPresses && !communicating; ++i) {
        ClickOnForm(state, kLoginFetchTerms);
        plat::sleep(waits.action);
        communicating = WaitOnForm(state, kCommunicationOk, Times(4, waits.action)) != 0;
    }
    if (!communicating) return false;

    bool transferring = false;
    for (int i = 0; i < kTransferOkPresses && !transferring; ++i) {
        const plat::Hwnd ok = ClickOnForm(state, kCommunicationOk);
        if (ok == 0) return false;
        transferring = WaitHidden(state, ok, Times(8, waits.action));
    }
    return transferring && awaitVenueGuideAfterTransfer(driver, waits);
}

// Not fetching: 取得しない until the venue guide shows.
bool skipTerms(PatDriver& driver, const Waits& waits) {
    for (int i = 0; i < kSkipFetchPresses; ++i) {
        ClickOnForm(driver.state, kLoginSkipTerms);
        if (WaitForm(driver.state, kVenueGuideForm, Times(4, waits.action)) != 0) return true;
    }
    return false;
}

// Fetch the terms when the client's are not today's, the user has
// not switched the fetch off and the centre takes requests.
bool decideTermsFetch(PatDriver& driver, const Waits& waits) {
    const int hour = ProgramHour(driver);
    const bool today =
        clientdata::TermsFileIsToday(driver.terms, driver.state.clientPath, driver.programClock.load());
    const bool wanted = !today && driver.state.flags.skipAnn.load() == 0;
    if (wanted && InBettingHours(hour)) return fetchTerms(driver, waits);
    if (wanted) ShowDriverMessage(driver.notifier, driver.mainWindow.load(), base::kMsgOutsideHours);
    return skipTerms(driver, waits);
}

// A venue opens the vote form, which is given time to settle.
bool openVoteFormFromVenueGuide(PatDriver& driver, const Waits& waits) {
    ChooseFirstVenue(driver.state);
    bool open = false;
    for (int i = 0; i < kVoteFormWaits && !open; ++i)
        open = WaitForm(driver.state, kVoteForm, Times(2, waits.action)) != 0;
    if (!open) return false;
    plat::sleep(kVoteFormSettleMs);
    return true;
}

// Where is the client?  Outside the reception hours, mode 0 does not look.
Next lookAtClient(PatDriver& driver, int mode, const Waits& waits) {
    DriverState& state = driver.state;
    if (mode == kConnectTermsOnly && !InBettingHours(ProgramHour(driver))) return Next::LoadTerms;
    const plat::Hwnd vote = WaitForm(state, kVoteForm, Times(4, waits.action));
    if (vote != 0) return useVoteForm(driver, vote, mode, waits);
    if (WaitForm(state, kMenuForm, Times(4, waits.action)) != 0 &&
        WaitForm(state, kVenueGuideForm, Times(4, waits.action)) == 0) {
        if ((mode & kConnectOpenVoteForm) == 0) return Next::LoadTerms;
        if (PrepareMenuForm(driver) == -1) return Next::Stopped;
        return openVoteFormFromMenu(driver, waits);
    }
    if (WaitForm(state, kVenueGuideForm, Times(4, waits.action)) != 0) return Next::ChooseVenue;
    return Next::Login;
}

}  // namespace

int ConnectClient(PatDriver& driver, int mode) {
    DriverState& state = driver.state;
    if (state.userId.empty() || state.password.empty() || state.clientPath.empty()) {
        driver.notifier.message(base::kMsgSettingsIncomplete, plat::MB_OK);
        return -1;
    }
    const Waits waits = CurrentWaits(state);
    switch (lookAtClient(driver, mode, waits)) {
    case Next::Failed: return failed(driver);
    case Next::Stopped: return -1;
    case Next::LoadTerms: return LoadTermsUnlessInMemory(driver);
    case Next::Login:
        if (!logIn(driver, waits) || !decideTermsFetch(driver, waits)) return failed(driver);
        break;
    case Next::ChooseVenue: break;
    }
    if (!openVoteFormFromVenueGuide(driver, waits)) return failed(driver);
    return LoadTermsUnlessInMemory(driver);
}

}  // namespace driver
