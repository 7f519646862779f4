// Window classes, creating and destroying windows.
#include "platform/sim/desktop_impl.h"
#include "platform/sim/frame_metrics.h"
#include "platform/sim/text_match.h"

namespace sim {

namespace {

// Forgets a window and whatever is still below it (windows made while it
// was being destroyed), without further messages.
void release(Desktop::Impl& d, Window& w) {
    if (!w.alive) return;
    for (Window* owned : d.windows.ownedBy(w.hwnd)) release(d, *owned);
    for (plat::Hwnd child : std::vector<plat::Hwnd>(w.children)) {
        if (Window* c = d.windows.find(child)) release(d, *c);
    }
    d.timers.removeWindow(w.hwnd);
    if (w.thread) std::erase_if(w.thread->posted, [&](const plat::Msg& m) { return m.hwnd == w.hwnd; });
    if (d.focus == w.hwnd) d.focus = 0;
    if (d.foreground == w.hwnd) d.foreground = 0;
    // A modal loop on this window ends (it checks that the window lives).
    if (w.modal.loopThread) d.scheduler.wakeFromMessageWait(*w.modal.loopThread);
    d.windows.kill(w);
}

}  // namespace

// Owned windows first, then WM_DESTROY to the window, its children (each
// with its own subtree), WM_NCDESTROY last.
void destroyWindowTree(Desktop::Impl& d, Window& w) {
    if (!w.alive || w.destroying) return;
    w.destroying = true;
    for (Window* owned : d.windows.ownedBy(w.hwnd)) destroyWindowTree(d, *owned);
    w.style &= ~plat::WS_VISIBLE;
    plat::sendMessage(w.hwnd, plat::WM_DESTROY, 0, 0);
    for (plat::Hwnd child : std::vector<plat::Hwnd>(w.children)) {
        if (Window* c = d.windows.find(child)) destroyWindowTree(d, *c);
    }
    plat::sendMessage(w.hwnd, plat::WM_NCDESTROY, 0, 0);
    release(d, w);
}

}  // namespace sim

namespace plat {

bool registerClass(const std::string& className, WndProc proc) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d || className.empty() || !proc) return false;
    return d->classes.emplace(sim::foldCase(className), sim::WindowClass{className, std::move(proc)}).second;
}

WndProc classProc(const std::string& className) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return {};
    auto it = d->classes.find(sim::foldCase(className));
    return it == d->classes.end() ? WndProc() : it->second.proc;
}

Hwnd createWindow(const CreateParams& params) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return 0;
    auto cls = d->classes.find(sim::foldCase(params.className));
    if (cls == d->classes.end()) return 0;

    sim::Window w;
    if (params.style & WS_CHILD) {
        if (!d->windows.find(params.parent)) return 0;
        w.parent = params.parent;
        w.id = params.id;
    } else {
        // A top-level window's owner is the top-level window of the one given.
        w.parent = d->windows.desktopHandle();
        if (Hwnd given = params.owner ? params.owner : params.parent) {
            sim::Window* owner = d->windows.find(given);
            if (!owner) return 0;
            sim::Window& top = d->windows.topLevelOf(*owner);
            if (top.hwnd != d->windows.desktopHandle()) w.owner = top.hwnd;
        }
    }
    w.className = cls->second.name;
    w.caption = params.caption;
    w.style = params.style;
    w.exStyle = params.exStyle;
    w.rect = sim::fitToFrame(params.rect, params.style, !(params.style & WS_CHILD));
    w.proc = cls->second.proc;
    w.thread = &sim::callerThread(*d);
    Hwnd hwnd = d->windows.add(std::move(w)).hwnd;

    Lresult created = sim::callProc(*d, hwnd, WM_CREATE, 0, reinterpret_cast<Lparam>(params.createParam));
    if (created == -1) {
        destroyWindow(hwnd);
        return 0;
    }
    return d->windows.find(hwnd) ? hwnd : 0;
}

bool destroyWindow(Hwnd window) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d || window == d->windows.desktopHandle()) return false;
    sim::Window* w = d->windows.find(window);
    if (!w || w->destroying) return false;
    sim::destroyWindowTree(*d, *w);
    return true;
}

bool isWindow(Hwnd window) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    return d && d->windows.find(window);
}

}  // namespace plat
