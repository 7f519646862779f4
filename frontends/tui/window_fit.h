// The main window follows the terminal's height, as a person would drag its
// bottom edge: when the terminal changes (or a main window first shows), the
// window's frame is dragged so that it fills the rows above the status line.
// The program keeps its width and moves the bottom of its list.
#pragma once

#include "platform/sim/desktop.h"

namespace tui {

class WindowFit {
public:
    explicit WindowFit(sim::Desktop& desktop) : desktop_(desktop) {}
    // Drags the window when the terminal's rows for it changed since the
    // last drag, or the window is a new one.
    void fit(plat::Hwnd mainWindow, int rows);

private:
    sim::Desktop& desktop_;
    plat::Hwnd fitted_ = 0;
    int rows_ = -1;
};

}  // namespace tui
