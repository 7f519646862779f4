#include "driver/start_client.h"

#include "base/strings.h"
#include "driver/client_forms.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/input.h"
#include "driver/window_waits.h"
#include "platform/clock.h"
#include "platform/sjis.h"
#include "platform/system.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr std::uint32_t kAlreadyStartedWaitMs = 3000;
constexpr int kShellExecuteFailed = 32;  // results up to this one are errors

constexpr int kMenuButtonChecks = 11;

constexpr int kVenueRounds = 30;
constexpr int kVenuePresses = 16;

// The racecourse buttons of the venue guide, in the order tried.
constexpr FormControl kVenueButtons[] = {
    {kVenueGuideForm, {687, 293}, "中山"}, {kVenueGuideForm, {507, 301}, "京都"},
    {kVenueGuideForm, {635, 346}, "東京"}, {kVenueGuideForm, {466, 335}, "阪神"},
    {kVenueGuideForm, {593, 380}, "中京"}, {kVenueGuideForm, {402, 361}, "小倉"},
    {kVenueGuideForm, {526, 241}, "新潟"}, {kVenueGuideForm, {674, 241}, "福島"},
    {kVenueGuideForm, {657, 147}, "函館"}, {kVenueGuideForm, {530, 117}, "札幌"},
};

std::string directoryOf(const std::string& path) {
    const std::size_t separator = sjis::lastSeparator(path);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool menuButtonsShow(DriverState& driver) {
    CalibrateTo(driver, kMenuForm);
    return FindOnForm(driver, kMenuVote) != 0 && FindOnForm(driver, kMenuPaddock) != 0;
}

// Presses the racecourse button until the vote form opens; false when a
// press fails or sixteen presses open nothing.
bool pressVenue(DriverState& driver, const FormControl& button, const Waits& waits) {
    for (int press = 0; press < kVenuePresses; ++press) {
        if (ClickOnForm(driver, button) == 0) return false;
        if (WaitForm(driver, kVoteForm, Times(3, waits.action)) != 0) return true;
    }
    return false;
}

}  // namespace

bool StartClient(const DriverState& driver, const std::string& exePath) {
    if (WaitForm(driver, kLoginForm, kAlreadyStartedWaitMs) != 0) return true;
    const int started = plat::shellExecute(plat::getDesktopWindow(), "open", exePath, "", directoryOf(exePath),
                                           plat::SW_SHOWNORMAL);
    if (started <= kShellExecuteFailed) return false;
    return WaitForm(driver, kLoginForm, CurrentWaits(driver).windowOpen) != 0;
}

int PrepareMenuForm(PatDriver& driver) {
    DriverState& state = driver.state;
    const Waits waits = CurrentWaits(state);
    const plat::Hwnd menu = WaitForm(state, kMenuForm, Times(4, waits.action));
    if (menu == 0) return -1;
    // A form coming back from the task bar is laid out again: wait for its
    // buttons before anything is pressed.
    if (plat::isIconic(menu)) {
        if (!RestoreIfMinimized(state, menu)) return FailWith(driver, base::kMsgClientFailed);
        bool ready = false;
        for (int check = 0; check < kMenuButtonChecks && !ready; ++check) {
            ready = menuButtonsShow(state);
            if (!ready) plat::sleep(waits.action);
        }
        if (!ready) return FailWith(driver, base::kMsgClientFailed);
    }
    CalibrateTo(state, kMenuForm);
    return 0;
}

bool ChooseFirstVenue(DriverState& driver) {
    const Waits waits = CurrentWaits(driver);
    for (int round = 0; round < kVenueRounds; ++round) {
        plat::sleep(waits.action);
        for (const FormControl& button : kVenueButtons) {
            const plat::Hwnd found = WaitOnForm(driver, button, Times(2, waits.message));
            if (found == 0 || (plat::getStyle(found) & plat::WS_DISABLED) != 0) continue;
            if (pressVenue(driver, button, waits)) return true;
        }
    }
    return false;
}

}  // namespace driver
