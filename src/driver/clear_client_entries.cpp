#include "driver/clear_client_entries.h"

#include "driver/client_forms.h"
#include "driver/close_client.h"
#include "driver/driver_waits.h"
#include "driver/input.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

// Answering a box may raise another (a transfer's error after its notice).
constexpr int kBoxRounds = 6;
constexpr const char* kBoxOk = "OK";

plat::Hwnd clientBox() {
    for (const ClientForm& box : {kClientInfoBox, kClientErrorBox}) {
        if (const plat::Hwnd found = plat::findWindow(box.className, box.caption)) return found;
    }
    return 0;
}

}  // namespace

bool AnswerClientBoxes(const DriverState& driver) {
    const std::uint32_t pause = CurrentWaits(driver).action;
    for (int round = 0; round < kBoxRounds; ++round) {
        const plat::Hwnd box = clientBox();
        if (box == 0) return true;
        const std::string caption = plat::getWindowText(box);
        ClickControlAnywhere(driver, kBoxClass, caption.c_str(), kBoxOk);
        plat::sleep(pause);
    }
    return clientBox() == 0;
}

bool ClearClientEntries(DriverState& driver) {
    if (!AnswerClientBoxes(driver) || !QuitClient(driver)) return false;
    if (plat::findWindow(kVoteForm.className, kVoteForm.caption) != 0) return false;
    driver.entriesPending = false;
    return true;
}

}  // namespace driver
