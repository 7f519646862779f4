#include "frontends/tui/terminal_user.h"

#include "platform/window.h"

namespace tui {

void TerminalUser::onModal(sim::Desktop&, const sim::ModalInfo& info) {
    std::erase_if(modals_, [](const auto& entry) { return !plat::isWindow(entry.first); });
    modals_[info.window] = info;
}

const sim::ModalInfo* TerminalUser::find(plat::Hwnd window) const {
    const auto it = modals_.find(window);
    return it != modals_.end() && plat::isWindow(window) ? &it->second : nullptr;
}

}  // namespace tui
