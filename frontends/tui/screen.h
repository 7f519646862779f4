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
#include "frontends/tui/menu_view.h"
#include "frontends/tui/terminal_user.h"
#include "frontends/tui/window_painter.h"
#include "platform/sim/desktop.h"

namespace tui {

// The narrowest client pane worth showing.
constexpr int kLeastClientPaneColumns = 24;
// The main window's width before it is first painted.
constexpr int kMainPaneColumns = 48;

// A tracked menu as painted: entry i is on row cells.top + 1 + i.
struct MenuPlacement {
    plat::Hwnd window = 0;
    CellRect cells;
    std::vector<MenuEntry> entries;
};

struct Frame {
    explicit Frame(Canvas c) : canvas(std::move(c)) {}
    Canvas canvas;
    std::vector<Placement> placements;  // Ornel's windows as painted, bottom first
    std::vector<MenuPlacement> menus;   // its open menus
    plat::Hwnd mainWindow = 0;
    plat::Hwnd keyboardWindow = 0;      // the window that takes the keys (0: none)
};

class Screen {
public:
    // user: what the desktop told the person about modal windows (menus).
    Screen(sim::Desktop& desktop, const TerminalUser& user, std::string ornelProgram, std::string clientProgram);

    // busy: client controls the driver has just operated.
    Frame compose(int width, int height, const std::string& statusLine, const std::set<plat::Hwnd>& busy);

    EditScrolls& scrolls() { return scrolls_; }
    MenuSelections& menus() { return menus_; }
    // The entries of one of Ornel's tracked menus (empty: not a menu).
    std::vector<MenuEntry> menuOf(plat::Hwnd window) const;

    // Ornel's main window: the first window it made that has no owner.
    plat::Hwnd mainWindow() const;
    // Ornel's window that takes the keyboard: its topmost visible, enabled
    // top-level window (minimized or not).
    plat::Hwnd keyboardWindow() const;

private:
    std::vector<plat::Hwnd> topLevelWindows(const std::string& program) const;  // top first
    void paintClientPane(Canvas& canvas, const CellRect& area, const std::set<plat::Hwnd>& busy);
    Placement paintOrnelWindow(Canvas& canvas, plat::Hwnd window, plat::Hwnd main, int rows, bool active);
    void paintIconic(Canvas& canvas, plat::Hwnd window, bool active);
    // Where a window of Ornel's goes: as it stands to the main window, kept
    // within the terminal.
    std::pair<int, int> cellOf(plat::Hwnd window, plat::Hwnd main, const CellRect& size, int columns, int rows) const;

    sim::Desktop& desktop_;
    const TerminalUser& user_;
    std::string ornel_;
    std::string client_;
    EditScrolls scrolls_;
    MenuSelections menus_;
    int mainColumns_ = kMainPaneColumns;  // the main window's width, as last painted
};

}  // namespace tui
