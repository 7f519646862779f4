// How the program tells the user things: string-table messages and plain
// texts in message boxes, and beeps.  Every subsystem reports through a
// Notifier, so logic can be run with a recording one and the program with
// message boxes.
#pragma once

#include <atomic>
#include <string>

#include "platform/wintypes.h"

namespace app {

constexpr const char* kProgramCaption = "Ornel";

class Notifier {
public:
    virtual ~Notifier() = default;

    // A numbered message of the string table; the id goes with the box.
    // type: MB_OK, MB_YESNO, ... Returns IDOK, IDYES or IDNO.
    int message(int id, plat::Uint type = plat::MB_OK);
    // A text that has no number (shown with id 0).
    int text(const std::string& text, plat::Uint type = plat::MB_OK) { return show(text, type, 0); }

    virtual int show(const std::string& text, plat::Uint type, plat::Uint id) = 0;
    virtual void beep(plat::Uint type) = 0;
};

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

}  // namespace app
