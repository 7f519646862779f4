// The person at the terminal as the desktop's user: modal windows are
// answered by the person, not by rule; what the desktop tells about each
// one as it opens (a tracked menu's entries) is kept for painting it.
#pragma once

#include <map>

#include "platform/sim/desktop.h"

namespace tui {

class TerminalUser : public sim::User {
public:
    void onModal(sim::Desktop& desktop, const sim::ModalInfo& info) override;
    // What the desktop told about a modal window; null when nothing.
    const sim::ModalInfo* find(plat::Hwnd window) const;

private:
    std::map<plat::Hwnd, sim::ModalInfo> modals_;
};

}  // namespace tui
