#include "frontends/tui/screen.h"

#include <algorithm>

#include "frontends/tui/flow_painter.h"
#include "frontends/tui/layout.h"
#include "platform/sim/dialogs/dialog_window.h"
#include "platform/window.h"

namespace tui {

namespace {

constexpr const char* kNoClient = "(the betting client is not running)";

// Rounds a pixel distance to cells.
int columnsFor(int pixels) { return columnOfEdge(pixels); }
int rowsFor(int pixels) { return rowOfEdge(pixels); }

}  // namespace

Screen::Screen(sim::Desktop& desktop, const TerminalUser& user, std::string ornelProgram, std::string clientProgram)
    : desktop_(desktop), user_(user), ornel_(std::move(ornelProgram)), client_(std::move(clientProgram)) {}

std::vector<MenuEntry> Screen::menuOf(plat::Hwnd window) const {
    if (plat::getClassName(window) != kMenuClass) return {};
    const sim::ModalInfo* info = user_.find(window);
    return info != nullptr && info->isMenu ? menuEntries(*info) : std::vector<MenuEntry>{};
}

std::pair<int, int> Screen::cellOf(plat::Hwnd window, plat::Hwnd main, const CellRect& size, int columns,
                                   int rows) const {
    int row = 0;
    int col = 0;
    plat::Rect at;
    if (window != main && plat::getWindowRect(window, at)) {
        // Measured from the main window's client area, whose top-left pixel
        // is the cell inside its frame.
        const plat::Point anchor = clientOrigin(main);
        const int frame = drawsFrame(main) ? 1 : 0;
        row = frame + rowsFor(at.top - anchor.y);
        col = frame + columnsFor(at.left - anchor.x);
    }
    col = std::max(std::min(col, columns - size.width()), 0);
    row = std::max(std::min(row, rows - size.height()), 0);
    return {row, col};
}

std::vector<plat::Hwnd> Screen::topLevelWindows(const std::string& program) const {
    std::vector<plat::Hwnd> windows;
    for (plat::Hwnd w = plat::getWindow(plat::getDesktopWindow(), plat::GW_CHILD); w != 0;
         w = plat::getWindow(w, plat::GW_HWNDNEXT)) {
        if (desktop_.programOf(w) == program) windows.push_back(w);
    }
    return windows;
}

plat::Hwnd Screen::mainWindow() const {
    plat::Hwnd main = 0;
    for (plat::Hwnd w : topLevelWindows(ornel_)) {
        if (plat::getWindow(w, plat::GW_OWNER) == 0 && (main == 0 || w < main)) main = w;
    }
    return main;
}

plat::Hwnd Screen::keyboardWindow() const {
    for (plat::Hwnd w : topLevelWindows(ornel_)) {
        if (plat::isWindowVisible(w) && plat::isWindowEnabled(w)) return w;
    }
    return 0;
}

Placement Screen::paintOrnelWindow(Canvas& canvas, plat::Hwnd window, plat::Hwnd main, int rows, bool active) {
    const CellRect size = frameCells(window);
    auto [row, col] = cellOf(window, main, size, canvas.width(), rows);
    // A window taller than the terminal keeps its focused control in view.
    if (size.height() > rows) {
        row = 0;
        const plat::Hwnd focus = plat::getFocus();
        plat::Rect focusRect;
        if (focus != window && sim::topLevelWindow(focus) == window && plat::getWindowRect(focus, focusRect)) {
            const plat::Point origin = clientOrigin(window);
            const int focusRow = 1 + rowsFor(focusRect.top - origin.y);
            row = std::clamp(rows / 2 - focusRow, rows - size.height(), 0);
        }
    }
    WindowPainter painter(canvas, scrolls_, plat::getFocus());
    return painter.paint(window, row, col, active);
}

// A minimized window is its caption alone, at the top left, as the desktop
// shows a minimized window's title; Enter or a click restores it.
void Screen::paintIconic(Canvas& canvas, plat::Hwnd window, bool active) {
    const std::string caption = plat::getWindowText(window);
    const Style style = active ? Style::ActiveCaption : Style::Caption;
    const CellRect bar{0, 0, static_cast<int>(caption.size()) + 2, 1};
    canvas.setWindow(window);
    canvas.fill(bar, style);
    canvas.text(0, 1, caption, style, bar.width() - 1);
    canvas.setWindow(0);
}

void Screen::paintClientPane(Canvas& canvas, const CellRect& area, const std::set<plat::Hwnd>& busy) {
    FlowPainter painter(canvas, busy);
    const plat::Hwnd foreground = plat::getForegroundWindow();
    int row = area.top;
    bool any = false;
    for (plat::Hwnd w : topLevelWindows(client_)) {
        if (!plat::isWindowVisible(w) || row >= area.bottom) continue;
        any = true;
        row += painter.paint(w, {area.left, row, area.right, area.bottom}, w == foreground);
    }
    if (!any) canvas.ascii(area.top, area.left, kNoClient, Style::Disabled, area.width());
}

Frame Screen::compose(int width, int height, const std::string& statusLine, const std::set<plat::Hwnd>& busy) {
    Frame frame{Canvas(width, height)};
    Canvas& canvas = frame.canvas;
    const int rows = std::max(height - 1, 0);
    frame.mainWindow = mainWindow();
    frame.keyboardWindow = keyboardWindow();

    // The client's pane starts right of the main window, where it stands
    // also while the window is minimized.
    if (frame.mainWindow != 0 && !plat::isIconic(frame.mainWindow)) mainColumns_ = frameCells(frame.mainWindow).width();
    const CellRect clientPane{mainColumns_ + 1, 0, width, rows};
    if (clientPane.width() >= kLeastClientPaneColumns) paintClientPane(canvas, clientPane, busy);

    canvas.setClip({0, 0, width, rows});
    std::vector<plat::Hwnd> ornel = topLevelWindows(ornel_);
    std::reverse(ornel.begin(), ornel.end());  // bottom first
    scrolls_.forgetGone();
    menus_.forgetGone();
    for (plat::Hwnd w : ornel) {
        if (!plat::isWindowVisible(w)) continue;
        if (plat::isIconic(w)) {
            paintIconic(canvas, w, w == frame.keyboardWindow);
            continue;
        }
        const plat::Hwnd anchor = frame.mainWindow != 0 ? frame.mainWindow : w;
        if (std::vector<MenuEntry> entries = menuOf(w); !entries.empty()) {
            const CellRect size = menuCells(entries);
            const auto [row, col] = cellOf(w, anchor, size, width, rows);
            paintMenu(canvas, w, entries, menus_.selected(w, entries), row, col);
            frame.menus.push_back({w, {col, row, col + size.width(), row + size.height()}, std::move(entries)});
            continue;
        }
        frame.placements.push_back(paintOrnelWindow(canvas, w, anchor, rows, w == frame.keyboardWindow));
    }
    canvas.setClip({0, 0, width, height});
    if (height > 0) {
        canvas.fill({0, height - 1, width, height}, Style::StatusLine);
        canvas.ascii(height - 1, 0, statusLine, Style::StatusLine, width);
    }
    return frame;
}

}  // namespace tui
