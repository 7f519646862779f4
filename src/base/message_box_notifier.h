// The program's notifier: message boxes on the desktop.
#pragma once

#include <atomic>

#include "base/notifier.h"

namespace base {

// Message boxes captioned "Ornel", owned by the main window.  The owner is
// set once the main window exists; boxes shown before have no owner.  It is
// read from both the window thread and the BetRunner thread, which is where
// the driver's own message function (foreground first, then the box) builds
// on this class.
class MessageBoxNotifier : public Notifier {
public:
    void setOwner(plat::Hwnd owner) { owner_ = owner; }
    plat::Hwnd owner() const { return owner_; }

    int show(const std::string& text, plat::Uint type, plat::Uint id) override;
    void beep(plat::Uint type) override;

private:
    std::atomic<plat::Hwnd> owner_{0};
};

}  // namespace base
