// Finding windows, their relations and their attributes.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/sim/desktop_impl.h"
#include "platform/sim/text_match.h"

namespace {

sim::Window* live(plat::Hwnd hwnd) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    return d ? d->windows.find(hwnd) : nullptr;
}

// The sibling list a window is in, and its place there.
plat::Hwnd sibling(sim::Desktop::Impl& d, sim::Window& w, plat::Uint relation) {
    sim::Window* parent = d.windows.find(w.parent);
    if (!parent || parent->children.empty()) return 0;
    const std::vector<plat::Hwnd>& list = parent->children;
    auto it = std::find(list.begin(), list.end(), w.hwnd);
    if (it == list.end()) return 0;
    switch (relation) {
        case plat::GW_HWNDFIRST: return list.front();
        case plat::GW_HWNDLAST: return list.back();
        case plat::GW_HWNDNEXT: return std::next(it) == list.end() ? 0 : *std::next(it);
        case plat::GW_HWNDPREV: return it == list.begin() ? 0 : *std::prev(it);
        default: return 0;
    }
}

}  // namespace

namespace plat {

Hwnd findWindow(const char* className, const char* caption) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return 0;
    for (Hwnd h : d->windows.desktop().children) {
        sim::Window* w = d->windows.find(h);
        if (!w) continue;
        if (className && !sim::equalsIgnoreCase(w->className, className)) continue;
        if (caption && !sim::equalsIgnoreCase(w->caption, caption)) continue;
        return h;
    }
    return 0;
}

Hwnd getWindow(Hwnd window, Uint relation) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = live(window);
    if (!w) return 0;
    switch (relation) {
        case GW_CHILD: return w->children.empty() ? 0 : w->children.front();
        case GW_OWNER: return d->windows.find(w->owner) ? w->owner : 0;
        default: return window == d->windows.desktopHandle() ? 0 : sibling(*d, *w, relation);
    }
}

Hwnd getDesktopWindow() {
    sim::Desktop::Impl* d = sim::activeDesktop();
    return d ? d->windows.desktopHandle() : 0;
}

Hwnd getParent(Hwnd window) {
    sim::Window* w = live(window);
    if (!w) return 0;
    if (!w->topLevel) return live(w->parent) ? w->parent : 0;
    // As Windows answers: a pop-up's owner; nothing for other top-level windows.
    return (w->style & WS_POPUP) && live(w->owner) ? w->owner : 0;
}

Hwnd getDlgItem(Hwnd parent, int id) {
    sim::Window* p = live(parent);
    if (!p) return 0;
    for (Hwnd h : p->children) {
        if (sim::Window* c = live(h); c && c->id == id) return h;
    }
    return 0;
}

int getDlgCtrlId(Hwnd window) {
    sim::Window* w = live(window);
    return w && !w->topLevel ? w->id : 0;
}

std::string getClassName(Hwnd window, std::size_t bufferSize) {
    sim::Window* w = live(window);
    if (!w || bufferSize == 0) return {};
    return w->className.substr(0, bufferSize - 1);
}

std::string getWindowText(Hwnd window, std::size_t bufferSize) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = live(window);
    if (!w || bufferSize == 0) return {};
    const sim::SimThread& caller = sim::callerThread(*d);
    if (!caller.isHarness && w->thread && caller.program != w->thread->program) {
        // Another program's window: its caption is read without asking it,
        // as across processes on Windows.
        return w->caption.substr(0, bufferSize - 1);
    }
    std::vector<char> buffer(bufferSize, '\0');
    Lresult n = sendMessage(window, WM_GETTEXT, bufferSize, reinterpret_cast<Lparam>(buffer.data()));
    std::size_t length = n <= 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), bufferSize - 1);
    return std::string(buffer.data(), strnlen(buffer.data(), length));
}

bool setWindowText(Hwnd window, const std::string& text) {
    if (!live(window)) return false;
    return sendMessage(window, WM_SETTEXT, 0, reinterpret_cast<Lparam>(text.c_str())) != 0;
}

bool getWindowRect(Hwnd window, Rect& rect) {
    sim::Window* w = live(window);
    if (!w) return false;
    rect = sim::activeDesktop()->windows.screenRect(*w);
    return true;
}

bool getClientRect(Hwnd window, Rect& rect) {
    sim::Window* w = live(window);
    if (!w) return false;
    rect = sim::activeDesktop()->windows.clientRect(*w);
    return true;
}

bool clientToScreen(Hwnd window, Point& point) {
    sim::Window* w = live(window);
    if (!w) return false;
    Point origin = sim::activeDesktop()->windows.clientOrigin(*w);
    point.x += origin.x;
    point.y += origin.y;
    return true;
}

bool screenToClient(Hwnd window, Point& point) {
    sim::Window* w = live(window);
    if (!w) return false;
    Point origin = sim::activeDesktop()->windows.clientOrigin(*w);
    point.x -= origin.x;
    point.y -= origin.y;
    return true;
}

Dword getStyle(Hwnd window) {
    sim::Window* w = live(window);
    return w ? w->style : 0;
}

Dword getExStyle(Hwnd window) {
    sim::Window* w = live(window);
    return w ? w->exStyle : 0;
}

void setStyle(Hwnd window, Dword style) {
    if (sim::Window* w = live(window)) w->style = style;
}

bool isIconic(Hwnd window) { return (getStyle(window) & WS_MINIMIZE) != 0; }

bool isWindowEnabled(Hwnd window) { return live(window) && !(getStyle(window) & WS_DISABLED); }

bool isWindowVisible(Hwnd window) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    for (sim::Window* w = live(window); w; w = d->windows.find(w->parent)) {
        if (!(w->style & WS_VISIBLE)) return false;
        if (w->hwnd == d->windows.desktopHandle()) break;
    }
    return live(window) != nullptr;
}

void setWindowData(Hwnd window, void* data) {
    if (sim::Window* w = live(window)) w->data = data;
}

void* getWindowData(Hwnd window) {
    sim::Window* w = live(window);
    return w ? w->data : nullptr;
}

}  // namespace plat

namespace sim {

void setModalDetails(plat::Hwnd window, const ModalDetails& details) {
    if (Window* w = live(window)) w->modalDetails = details;
}

}  // namespace sim
