// The terminal's picture of the simulated desktop: Ornel's windows on the
// left, laid out as they are, with its dialogs and message boxes over them
// where they stand relative to its main window; the betting client's
// visible windows, top first, in a pane on the right (when the terminal is
// wide enough); the status line on the last row.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "frontends/tui/canvas.h"
#include "frontends/tui/edit_view.h"
#include "frontends/tui/window_painter.h"
#include "platform/sim/desktop.h"

namespace tui {

// The narrowest client pane worth showing.
constexpr int kLeastClientPaneColumns = 24;

struct Frame {
    explicit Frame(Canvas c) : canvas(std::move(c)) {}
    Canvas canvas;
    std::vector<Placement> placements;  // Ornel's windows as painted, bottom first
    plat::Hwnd mainWindow = 0;
    plat::Hwnd keyboardWindow = 0;      // the window that takes the keys (0: none)
};

class Screen {
public:
    Screen(sim::Desktop& desktop, std::string ornelProgram, std::string clientProgram);

    // busy: client controls the driver has just operated.
    Frame compose(int width, int height, const std::string& statusLine, const std::set<plat::Hwnd>& busy);

    EditScrolls& scrolls() { return scrolls_; }

    // Ornel's main window: the first window it made that has no owner.
    plat::Hwnd mainWindow() const;
    // Ornel's window that takes the keyboard: its topmost visible, enabled
    // top-level window.
    plat::Hwnd keyboardWindow() const;

private:
    std::vector<plat::Hwnd> topLevelWindows(const std::string& program) const;  // top first
    void paintClientPane(Canvas& canvas, const CellRect& area, const std::set<plat::Hwnd>& busy);
    Placement paintOrnelWindow(Canvas& canvas, plat::Hwnd window, plat::Hwnd main, int rows, bool active);

    sim::Desktop& desktop_;
    std::string ornel_;
    std::string client_;
    EditScrolls scrolls_;
};

}  // namespace tui
