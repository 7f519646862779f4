#include "platform/sim/user_input.h"

#include "platform/sim/desktop_impl.h"
#include "platform/sjis.h"

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

char mnemonicOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        const auto c = static_cast<unsigned char>(caption[i]);
        if (sjis::isLeadByte(c)) {
            ++i;
        } else if (c == '&') {
            const char marked = caption[++i];
            if (marked != '&') return marked >= 'a' && marked <= 'z' ? static_cast<char>(marked - 'a' + 'A') : marked;
        }
    }
    return 0;
}

bool keyIsDown(plat::Wparam key) {
    Desktop::Impl* d = activeDesktop();
    return d != nullptr && d->keysDown.count(key) != 0;
}

}  // namespace sim
