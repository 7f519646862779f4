// The transfer of what was selected on the information form.
#include "base/strings.h"
#include "driver/client_forms.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/info_screen.h"
#include "driver/input.h"
#include "driver/window_waits.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kTransferPresses = 11;
constexpr int kOkPresses = 6;
constexpr int kClosingBoxRounds = 11;
constexpr const char* kClosingBoxOk = "OK";
constexpr std::uint32_t kClosingBoxGoneActionWaits = 4;

// "通信" until the communication form offers its ＯＫ.
plat::Hwnd openCommunication(const DriverState& state, const Waits& waits) {
    for (int press = 0; press < kTransferPresses; ++press) {
        ClickOnForm(state, kInfoTransfer);
        plat::sleep(waits.action);
        if (const plat::Hwnd ok = WaitOnForm(state, kCommunicationOk, Times(4, waits.action)); ok != 0) return ok;
    }
    return 0;
}

// "ＯＫ" until it hides: the transfer runs.  A press that fails ends it.
bool startTransfer(const DriverState& state, const Waits& waits) {
    for (int press = 0; press < kOkPresses; ++press) {
        const plat::Hwnd ok = ClickOnForm(state, kCommunicationOk);
        if (ok == 0) return false;
        if (WaitHidden(state, ok, Times(8, waits.action))) return true;
    }
    return false;
}

// While the communication form is there the transfer runs, but not for
// longer than kInfoTransferLimitMs.
bool transferEnds(const Waits& waits) {
    const std::uint32_t start = plat::tickCount();
    while (plat::findWindow(kCommunicationForm.className, kCommunicationForm.caption) != 0) {
        if (plat::tickCount() - start > kInfoTransferLimitMs) return false;
        plat::sleep(waits.action);
    }
    return true;
}

}  // namespace

int FinishInfoFetch(PatDriver& driver) {
    const DriverState& state = driver.state;
    const Waits waits = CurrentWaits(state);
    if (openCommunication(state, waits) == 0 || !startTransfer(state, waits) || !transferEnds(waits))
        return FailWith(driver, base::kMsgClientFailed);
    for (int round = 0; round < kClosingBoxRounds; ++round) {
        plat::sleep(waits.action);
        if (const plat::Hwnd box = WaitForm(state, kClientInfoBox, waits.message); box != 0) {
            ClickControlAnywhere(state, kClientInfoBox.className, kClientInfoBox.caption, kClosingBoxOk);
            // The client takes the press in its own time; until the box has
            // gone its form takes no command.
            WaitHidden(state, box, Times(kClosingBoxGoneActionWaits, waits.action));
            return 0;
        }
        if (WaitForm(state, kClientErrorBox, waits.message) != 0) return FailWith(driver, base::kMsgClientFailed);
    }
    return 0;
}

}  // namespace driver
