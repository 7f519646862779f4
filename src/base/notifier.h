// How the program tells the user things: string-table messages and plain
// texts in message boxes, and beeps.  Every subsystem reports through a
// Notifier, so logic can be run with a recording one and the program with
// message boxes.
#pragma once

#include <string>

#include "base/strings.h"
#include "platform/wintypes.h"

namespace base {

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

}  // namespace base
