#include "frontends/tui/window_fit.h"

#include "frontends/tui/layout.h"
#include "frontends/tui/window_painter.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"

namespace tui {

void WindowFit::fit(plat::Hwnd mainWindow, int rows) {
    if (mainWindow == 0 || !plat::isWindowVisible(mainWindow) || plat::isIconic(mainWindow)) return;
    if (mainWindow == fitted_ && rows == rows_) return;
    plat::Rect window, client;
    if (!plat::getWindowRect(mainWindow, window) || !plat::getClientRect(mainWindow, client)) return;
    fitted_ = mainWindow;
    rows_ = rows;
    // The frame takes two rows (caption bar and bottom border); the rest is
    // the client area, a row for every kRowPixels.
    const int clientRows = rows - (drawsFrame(mainWindow) ? 2 : 0);
    if (clientRows < 1) return;
    const int frameHeight = window.height() - client.height();
    const plat::Rect wanted{window.left, window.top, window.right, window.top + frameHeight + clientRows * kRowPixels};
    if (wanted == window) return;
    desktop_.act(0, [mainWindow, wanted] { sim::dragWindowFrame(mainWindow, wanted); });
}

}  // namespace tui
