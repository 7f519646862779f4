#include "driver/vote_form_input.h"

#include "driver/client_forms.h"
#include "driver/combo_selection.h"
#include "driver/window_search.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr ComboKeys kVoteFormKeys{plat::VK_LEFT, plat::VK_RIGHT};

}  // namespace

bool SelectComboItem(const DriverState& driver, const char* framePrefix, const char* itemText, int x, int y) {
    const plat::Hwnd frame = FindControlByCaption(kVoteForm.className, kVoteForm.caption, x, y, framePrefix);
    const plat::Hwnd combo = frame != 0 ? plat::getWindow(frame, plat::GW_CHILD) : 0;
    return combo != 0 && SelectInCombo(driver, combo, itemText, x, y, kVoteFormKeys);
}

bool CheckOption(const char* captionPrefix, int x, int y) {
    const plat::Hwnd option = FindControlByCaption(kVoteForm.className, kVoteForm.caption, x, y, captionPrefix);
    if (option == 0) return false;
    if (plat::isWindowEnabled(option)) plat::sendMessage(option, plat::BM_SETCHECK, plat::BST_CHECKED, 0);
    return true;
}

}  // namespace driver
