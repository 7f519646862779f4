// The person's input, given to the desktop as a user's keyboard and mouse.
//
// Keys go to the focused control of Ornel's window that takes the keyboard
// (its topmost enabled window: a dialog while one is open); when the focus
// is elsewhere (the betting client took it), to the control that last had
// it there.  Text is typed as Shift-JIS characters; a bracketed paste is put
// on the desktop's clipboard and pasted with Ctrl+V, so the program's own
// paste handling takes it.  A click goes to the control under the mouse
// when its window takes input.  F2 right-clicks the main window, Ctrl+Q
// asks the window that takes the keyboard to close, F10 opens its system
// menu.  While a menu is open, the keys and clicks are the menu's
// (menu_view.h).
#pragma once

#include <map>

#include "frontends/tui/screen.h"
#include "frontends/tui/terminal_input.h"

namespace tui {

class InputRouter {
public:
    InputRouter(sim::Desktop& desktop, Screen& screen, std::string ornelProgram);

    // Handles an event: keys go where the keyboard is now (the caller lets
    // the desktop take in each event before the next, so that a Tab has
    // moved the focus before the key after it); the mouse points at the
    // frame the person sees.
    void handle(const InputEvent& event, const Frame& frame);

    // Remembers, for each of Ornel's windows, its control that has the focus.
    void noteFocus();

private:
    plat::Hwnd keyTarget();
    void key(Key key, const Frame& frame);
    // Input while a tracked menu takes the keyboard; true when it was the menu's.
    bool menuInput(const InputEvent& event, const Frame& frame);
    void chooseFromMenu(plat::Hwnd menu, const MenuEntry& entry);
    // Input while the window that takes the keyboard is minimized: Enter,
    // Space or a click on its caption restores it, F10 opens its system
    // menu, Ctrl+Q asks it to close; true when the window is minimized.
    bool minimizedInput(const InputEvent& event);
    void mouse(const InputEvent& event, const Frame& frame);
    void rightClickMainWindow(const Frame& frame);
    bool takesInput(plat::Hwnd window) const;
    // The point of a window's client area at a cell, for a click there.
    bool pointAt(plat::Hwnd window, int row, int col, const Frame& frame, plat::Point& point) const;
    void placeCaret(plat::Hwnd edit, int row, int col, const Frame& frame);

    sim::Desktop& desktop_;
    Screen& screen_;
    std::string ornel_;
    std::map<plat::Hwnd, plat::Hwnd> lastFocus_;  // top-level window -> its focused control
    plat::Hwnd pressed_ = 0;                      // where the left button went down
};

}  // namespace tui
