// Opening the information form in its selection mode, and choosing a
// racecourse in its panel.
#include "base/strings.h"
#include "driver/client_forms.h"
#include "driver/combo_selection.h"
#include "driver/connect_client.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/info_screen.h"
#include "driver/start_client.h"
#include "driver/window_search.h"
#include "driver/window_waits.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kPaddockRounds = 30;
constexpr int kPaddockPressEvery = 5;  // rounds 1, 6, 11, 16, 21 and 26 press
constexpr int kTransferButtonLooks = 11;
constexpr int kFetchPresses = 11;
constexpr int kCloseRounds = 30;
constexpr int kClosePressEvery = 10;   // rounds 1, 11 and 21 press
// A form that is closed and opened again this often without entering its
// selection mode is given up on.
constexpr int kOpenings = 3;

constexpr ComboKeys kInfoFormKeys{plat::VK_UP, plat::VK_DOWN};

// The information form, opened from the menu form when it is not there
// (the client connected first when the menu form is missing).  0 when that
// failed; the user has been told, except when the menu form has gone.
plat::Hwnd showInfoForm(PatDriver& driver, const Waits& waits) {
    DriverState& state = driver.state;
    if (const plat::Hwnd info = plat::findWindow(kInfoForm.className, kInfoForm.caption); info != 0) {
        if ((plat::getStyle(info) & plat::WS_DISABLED) || !RestoreIfMinimized(state, info)) {
            FailWith(driver, base::kMsgClientFailed);
            return 0;
        }
        return info;
    }
    if (WaitForm(state, kMenuForm, Times(4, waits.action)) == 0 && ConnectClient(driver, kConnectForBetting) == -1)
        return 0;
    if (PrepareMenuForm(driver) == -1) return 0;
    for (int round = 0; round < kPaddockRounds; ++round) {
        if (round % kPaddockPressEvery == 0) {
            CalibrateTo(state, kMenuForm);
            if (ClickOnForm(state, kMenuPaddock) == 0) break;
        }
        if (const plat::Hwnd info = WaitForm(state, kInfoForm, waits.action); info != 0) {
            plat::sleep(Times(4, waits.action));
            return info;
        }
    }
    FailWith(driver, base::kMsgClientFailed);
    return 0;
}

bool transferButtonShows(DriverState& state, const Waits& waits) {
    for (int look = 0; look < kTransferButtonLooks; ++look) {
        CalibrateTo(state, kInfoForm);
        if (FindOnForm(state, kInfoTransfer) != 0) return true;
        plat::sleep(waits.action);
    }
    return false;
}

bool pressFetch(const DriverState& state, const Waits& waits) {
    for (int press = 0; press < kFetchPresses; ++press) {
        if (ClickOnForm(state, kInfoFetch) != 0) return true;
        plat::sleep(waits.action);
    }
    return false;
}

// "閉じる" (again every ten rounds) until the form has gone.
bool closeInfoForm(const DriverState& state, const Waits& waits) {
    for (int round = 0; round < kCloseRounds; ++round) {
        if (round % kClosePressEvery == 0) ClickOnForm(state, kInfoClose);
        plat::sleep(waits.action);
        if (plat::findWindow(kInfoForm.className, kInfoForm.caption) == 0) return true;
    }
    return false;
}

}  // namespace

int OpenInfoForm(PatDriver& driver) {
    DriverState& state = driver.state;
    const Waits waits = CurrentWaits(state);
    for (int opening = 0; opening < kOpenings; ++opening) {
        const plat::Hwnd info = showInfoForm(driver, waits);
        if (info == 0) return -1;
        if (plat::getStyle(info) & plat::WS_DISABLED) break;
        if (!transferButtonShows(state, waits) || !pressFetch(state, waits)) break;
        // With nothing chosen yet "通信" is disabled: the selection mode.
        const plat::Hwnd transfer = FindOnForm(state, kInfoTransfer);
        if (transfer != 0 && !plat::isWindowEnabled(transfer)) return 0;
        if (!closeInfoForm(state, waits)) break;
    }
    return FailWith(driver, base::kMsgClientFailed);
}

bool SelectInfoComboItem(DriverState& driver, const char* framePrefix, const char* itemText, int x, int y) {
    CalibrateTo(driver, kInfoForm);
    const plat::Point panelAt = Scaled(driver, kInfoPanelAt);
    const plat::Hwnd panel = WaitControlByClass(driver, kInfoForm.className, kInfoForm.caption, panelAt.x, panelAt.y,
                                                kInfoPanelClass, Times(4, CurrentWaits(driver).action));
    const plat::Hwnd frame = FindControlByCaptionIn(panel, x, y, framePrefix);
    const plat::Hwnd combo = frame != 0 ? plat::getWindow(frame, plat::GW_CHILD) : 0;
    return combo != 0 && SelectInCombo(driver, combo, itemText, x, y, kInfoFormKeys);
}

}  // namespace driver
