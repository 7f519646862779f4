#include "platform/sim/user_input.h"

#include "platform/sim/desktop_impl.h"

namespace sim {

void pressKey(plat::Hwnd target, plat::Wparam key, bool shift) {
    if (shift) plat::postMessage(target, plat::WM_KEYDOWN, VK_SHIFT, 0);
    plat::postMessage(target, plat::WM_KEYDOWN, key, 0);
    plat::postMessage(target, plat::WM_KEYUP, key, 0);
    if (shift) plat::postMessage(target, plat::WM_KEYUP, VK_SHIFT, 0);
}

void typeChars(plat::Hwnd target, const std::string& cp932) {
    for (const char c : cp932) plat::postMessage(target, plat::WM_CHAR, static_cast<unsigned char>(c), 0);
}

void typeAltChar(plat::Hwnd target, char c) {
    plat::postMessage(target, WM_SYSCHAR, static_cast<unsigned char>(c), 0);
}

void click(plat::Hwnd target, plat::Point clientPoint, MouseButton button) {
    const plat::Lparam at = plat::makeLparam(clientPoint.x, clientPoint.y);
    const bool left = button == MouseButton::Left;
    plat::postMessage(target, plat::WM_MOUSEMOVE, 0, at);
    plat::postMessage(target, left ? plat::WM_LBUTTONDOWN : plat::WM_RBUTTONDOWN, left ? plat::MK_LBUTTON : kRightButtonDown, at);
    plat::postMessage(target, left ? plat::WM_LBUTTONUP : plat::WM_RBUTTONUP, 0, at);
}

bool keyIsDown(plat::Wparam key) {
    Desktop::Impl* d = activeDesktop();
    return d != nullptr && d->keysDown.count(key) != 0;
}

}  // namespace sim
