#include "driver/combo_selection.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/input.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kSelectRounds = 3;
constexpr int kSelectionPolls = 30;

// The item's text, read into a buffer of the length the combo box reports.
std::string itemText(plat::Hwnd combo, int index) {
    const plat::Lresult length = plat::sendMessage(combo, plat::CB_GETLBTEXTLEN, static_cast<plat::Wparam>(index), 0);
    if (length < 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    if (plat::sendMessage(combo, plat::CB_GETLBTEXT, static_cast<plat::Wparam>(index),
                          reinterpret_cast<plat::Lparam>(buffer.data())) < 0)
        return {};
    return std::string(buffer.data());
}

int indexOf(plat::Hwnd combo, int count, const char* text) {
    for (int i = 0; i < count; ++i)
        if (itemText(combo, i) == text) return i;
    return -1;
}

int currentSelection(plat::Hwnd combo) {
    return static_cast<int>(plat::sendMessage(combo, plat::CB_GETCURSEL, 0, 0));
}

void clickInto(const DriverState& driver, plat::Hwnd combo, int x, int y, const Waits& waits) {
    plat::Rect form, box;
    plat::getWindowRect(TopLevelOf(combo), form);
    plat::getWindowRect(combo, box);
    ClickAt(driver, combo, {x + form.left - box.left, y + form.top - box.top},
            {waits.message, Times(2, waits.message), waits.message});
}

void pressKey(const DriverState& driver, plat::Hwnd combo, plat::Wparam key, const Waits& waits) {
    PostWithRetry(driver, combo, plat::WM_KEYDOWN, key, 0);
    plat::sleep(waits.message);
    PostWithRetry(driver, combo, plat::WM_KEYUP, key, 0);
    plat::sleep(waits.message);
}

bool selectionArrives(plat::Hwnd combo, int index, const Waits& waits) {
    for (int poll = 0; poll < kSelectionPolls; ++poll) {
        if (currentSelection(combo) == index) return true;
        plat::sleep(waits.message);
    }
    return false;
}

}  // namespace

bool SelectInCombo(const DriverState& driver, plat::Hwnd combo, const char* itemText, int x, int y, ComboKeys keys) {
    const Waits waits = CurrentWaits(driver);
    clickInto(driver, combo, x, y, waits);
    const int count = static_cast<int>(plat::sendMessage(combo, plat::CB_GETCOUNT, 0, 0));
    for (int round = 0; round < kSelectRounds; ++round) {
        const int current = currentSelection(combo);
        const int target = indexOf(combo, count, itemText);
        if (target < 0) continue;
        const plat::Wparam key = current > target ? keys.back : keys.forward;
        for (int press = std::abs(current - target); press > 0; --press) pressKey(driver, combo, key, waits);
        if (selectionArrives(combo, target, waits)) return true;
    }
    return false;
}

}  // namespace driver
