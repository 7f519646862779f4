#include "platform/sim/dialogs/dialog_window.h"

#include "platform/dialog.h"

namespace sim {
namespace {

// Base units of the dialog font: a half-width character is 6 pixels wide
// and a line 12 pixels high, so 4 horizontal dialog units are 6 pixels and
// 8 vertical units are 12 pixels.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 12;

constexpr int kInitialSize = 200;

}  // namespace

plat::Hwnd topLevelWindow(plat::Hwnd window) {
    // Up through child windows only: a pop-up's getParent is its owner.
    while (window != 0 && (plat::getStyle(window) & plat::WS_CHILD) && plat::getParent(window) != 0)
        window = plat::getParent(window);
    return window;
}

plat::Hwnd createDialogWindow(const std::string& caption, plat::Dword style, plat::Hwnd owner) {
    plat::CreateParams params;
    params.className = "#32770";
    params.caption = caption;
    params.style = style & ~(plat::WS_VISIBLE | plat::WS_CHILD);
    params.owner = owner;
    // Sized later to its contents; created large enough that its frame can
    // be measured.
    params.rect = {0, 0, kInitialSize, kInitialSize};
    return plat::createWindow(params);
}

plat::Hwnd addControl(plat::Hwnd dialog, const std::string& className, const std::string& text,
                      plat::Dword style, const plat::Rect& rect, int id) {
    plat::CreateParams params;
    params.className = className;
    params.caption = text;
    params.style = style | plat::WS_CHILD | plat::WS_VISIBLE;
    params.rect = rect;
    params.parent = dialog;
    params.id = id;
    return plat::createWindow(params);
}

void setClientSize(plat::Hwnd window, int width, int height) {
    plat::Rect outer;
    plat::Rect client;
    if (!plat::getWindowRect(window, outer) || !plat::getClientRect(window, client)) return;
    const int frameWidth = outer.width() - client.width();
    const int frameHeight = outer.height() - client.height();
    plat::moveWindow(window, {outer.left, outer.top, outer.left + width + frameWidth,
                              outer.top + height + frameHeight});
}

void moveWindowTo(plat::Hwnd window, int left, int top) {
    plat::Rect outer;
    if (!plat::getWindowRect(window, outer)) return;
    plat::moveWindow(window, {left, top, left + outer.width(), top + outer.height()});
}

void centreWindow(plat::Hwnd window, plat::Hwnd over) {
    plat::Rect area;
    plat::Rect outer;
    if (over == 0 || !plat::getWindowRect(over, area)) {
        plat::getWindowRect(plat::getDesktopWindow(), area);
    }
    if (!plat::getWindowRect(window, outer)) return;
    moveWindowTo(window, area.left + (area.width() - outer.width()) / 2,
                 area.top + (area.height() - outer.height()) / 2);
}

std::string controlText(plat::Hwnd control) {
    const plat::Lresult length = plat::sendMessage(control, plat::WM_GETTEXTLENGTH, 0, 0);
    return plat::getWindowText(control, static_cast<std::size_t>(length > 0 ? length : 0) + 1);
}

int runDialogWindow(plat::Hwnd window) {
    plat::showWindow(window, plat::SW_SHOW);
    return plat::runModalLoop(window);
}

AttachedHost::AttachedHost(plat::Hwnd window, DialogHost& host) : window_(window) {
    attachDialogHost(window, &host);
}

AttachedHost::~AttachedHost() {
    if (plat::isWindow(window_)) plat::destroyWindow(window_);
}

}  // namespace sim

namespace plat {

Rect mapDialogRect(int x, int y, int cx, int cy) {
    const int left = x * sim::kBaseUnitX / 4;
    const int top = y * sim::kBaseUnitY / 8;
    return {left, top, left + cx * sim::kBaseUnitX / 4, top + cy * sim::kBaseUnitY / 8};
}

}  // namespace plat
