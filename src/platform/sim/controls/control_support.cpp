#include "platform/sim/controls/control_support.h"

#include <cstring>
#include <vector>

namespace sim::controls {

void notifyParent(plat::Hwnd window, plat::Uint code) {
    const plat::Hwnd parent = plat::getParent(window);
    if (parent == 0) return;
    plat::sendMessage(parent, plat::WM_COMMAND, plat::makeWparam(plat::getDlgCtrlId(window), code),
                      static_cast<plat::Lparam>(window));
}

std::string storedCaption(plat::Hwnd window) {
    const auto length = plat::defWindowProc(window, plat::WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = plat::defWindowProc(window, plat::WM_GETTEXT, buffer.size(),
                                            reinterpret_cast<plat::Lparam>(buffer.data()));
    return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void storeCaption(plat::Hwnd window, const std::string& text) {
    plat::defWindowProc(window, plat::WM_SETTEXT, 0, reinterpret_cast<plat::Lparam>(text.c_str()));
}

plat::Lresult copyTextOut(const std::string& text, plat::Wparam size, plat::Lparam buffer) {
    if (size == 0 || buffer == 0) return 0;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<plat::Lresult>(count);
}

bool pointOnWindow(plat::Hwnd window, plat::Lparam position) {
    plat::Rect client;
    if (!plat::getClientRect(window, client)) return false;
    const int x = plat::xFromLparam(position);
    const int y = plat::yFromLparam(position);
    return x >= 0 && y >= 0 && x < client.width() && y < client.height();
}

}  // namespace sim::controls
