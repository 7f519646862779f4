#include "driver/close_client.h"

#include "base/strings.h"
#include "driver/client_box.h"
#include "driver/client_forms.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/window_waits.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kExitPresses = 6;
constexpr int kConfirmPresses = 6;
constexpr int kClosedChecks = 30;

bool confirmationShows() {
    return plat::findWindow(kClientInfoBox.className, kClientInfoBox.caption) != 0;
}

bool menuFormGone(const Waits& waits) {
    for (int check = 0; check < kClosedChecks; ++check) {
        plat::sleep(Times(2, waits.action));
        if (plat::findWindow(kMenuForm.className, kMenuForm.caption) == 0) return true;
    }
    return false;
}

}  // namespace

bool QuitClient(DriverState& state) {
    const Waits waits = CurrentWaits(state);
    const plat::Hwnd menu = WaitForm(state, kMenuForm, Times(4, waits.action));
    if (menu == 0) return true;
    if (plat::isIconic(menu) && !RestoreIfMinimized(state, menu)) return false;

    bool asked = false;
    for (int press = 0; press < kExitPresses && !asked; ++press) {
        CalibrateTo(state, kMenuForm);
        ClickOnForm(state, kMenuExit);
        plat::sleep(Times(2, waits.action));
        asked = confirmationShows();
    }
    if (!asked) return false;

    for (int press = 0; press < kConfirmPresses; ++press) {
        AnswerClientBox(state, kExitConfirmYes);
        if (menuFormGone(waits)) return true;
    }
    return false;
}

int CloseClient(PatDriver& driver) {
    return QuitClient(driver.state) ? 0 : FailWith(driver, base::kMsgClientFailed);
}

}  // namespace driver
