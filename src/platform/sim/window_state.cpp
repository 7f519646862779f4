// Showing, minimizing, moving, enabling, focus and the foreground window.

#include "platform/sim/desktop_impl.h"
#include "platform/sim/frame_metrics.h"

namespace {

using sim::Window;

void notifySize(sim::Desktop::Impl& d, Window& w, plat::Wparam kind) {
    plat::Rect client = d.windows.clientRect(w);
    plat::sendMessage(w.hwnd, plat::WM_SIZE, kind, plat::makeLparam(client.width(), client.height()));
}

void notifyMove(Window& w) {
    // The client area's origin, in the parent's client coordinates.
    sim::FrameInsets in = sim::frameInsets(w.style, w.topLevel);
    plat::sendMessage(w.hwnd, plat::WM_MOVE, 0, plat::makeLparam(w.rect.left + in.left, w.rect.top + in.top));
}

void setVisible(Window& w, bool visible) {
    if (((w.style & plat::WS_VISIBLE) != 0) == visible) return;
    plat::sendMessage(w.hwnd, plat::WM_SHOWWINDOW, visible ? 1 : 0, 0);
    if (!w.alive) return;
    if (visible) {
        w.style |= plat::WS_VISIBLE;
    } else {
        w.style &= ~plat::WS_VISIBLE;
    }
}

// Minimizing and maximizing apply to top-level windows; the normal rectangle
// is kept for the restore.
void place(sim::Desktop::Impl& d, Window& w, plat::Dword state, plat::Rect rect, plat::Wparam sizeKind) {
    constexpr plat::Dword kStates = plat::WS_MINIMIZE | plat::WS_MAXIMIZE;
    if (state && !w.restoreRect) w.restoreRect = w.rect;
    if (!state) w.restoreRect.reset();
    w.style = (w.style & ~kStates) | state;
    w.rect = rect;
    notifySize(d, w, sizeKind);
    if (w.alive) notifyMove(w);
}

void minimize(sim::Desktop::Impl& d, Window& w) {
    if (!w.topLevel || (w.style & plat::WS_MINIMIZE)) return;
    place(d, w, plat::WS_MINIMIZE, d.windows.iconicSlot(w), sim::kSizeMinimized);
}

void maximize(sim::Desktop::Impl& d, Window& w) {
    if (!w.topLevel || (w.style & plat::WS_MAXIMIZE)) return;
    place(d, w, plat::WS_MAXIMIZE, {0, 0, d.options.screenWidth, d.options.screenHeight}, sim::kSizeMaximized);
}

void restore(sim::Desktop::Impl& d, Window& w) {
    if (!(w.style & (plat::WS_MINIMIZE | plat::WS_MAXIMIZE))) return;
    place(d, w, 0, w.restoreRect.value_or(w.rect), sim::kSizeRestored);
}

bool contains(sim::Desktop::Impl& d, Window& ancestor, plat::Hwnd hwnd) {
    for (Window* w = d.windows.find(hwnd); w; w = w->topLevel ? nullptr : d.windows.find(w->parent)) {
        if (w == &ancestor) return true;
    }
    return false;
}

}  // namespace

namespace plat {

bool enableWindow(Hwnd window, bool enable) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    Window* w = d ? d->windows.find(window) : nullptr;
    if (!w) return false;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled != enable) return wasDisabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (contains(*d, *w, d->focus)) setFocus(0);
    }
    sendMessage(window, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

bool showWindow(Hwnd window, int command) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || window == d->windows.desktopHandle()) return false;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    setVisible(*w, command != SW_HIDE);
    if (!w->alive) return wasVisible;
    switch (command) {
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED: minimize(*d, *w); break;
        case SW_SHOWMAXIMIZED: maximize(*d, *w); break;
        case SW_RESTORE:
        case SW_SHOWNORMAL: restore(*d, *w); break;
        default: break;
    }
    return wasVisible;
}

bool moveWindow(Hwnd window, const Rect& rect, bool /*repaint*/) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || window == d->windows.desktopHandle()) return false;
    const Rect r = (w->style & WS_MINIMIZE) ? rect : sim::fitToFrame(rect, w->style, w->topLevel);
    const bool moved = r.left != w->rect.left || r.top != w->rect.top;
    const bool sized = r.width() != w->rect.width() || r.height() != w->rect.height();
    w->rect = r;
    if (moved) notifyMove(*w);
    if (sized && w->alive) {
        notifySize(*d, *w, (w->style & WS_MINIMIZE) ? sim::kSizeMinimized : sim::kSizeRestored);
    }
    return true;
}

bool setForegroundWindow(Hwnd window) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || window == d->windows.desktopHandle()) return false;
    Window& top = d->windows.topLevelOf(*w);
    const sim::SimThread& caller = sim::callerThread(*d);
    if (!caller.isHarness && top.thread && top.thread->program != caller.program) {
        sim::TraceEvent e{};
        e.kind = sim::TraceEvent::Kind::Foreground;
        e.toProgram = d->programOf(top);
        e.hwnd = top.hwnd;
        e.caption = top.caption;
        d->self.record(std::move(e));
    }
    d->foreground = top.hwnd;
    d->windows.bringToTop(top);
    return true;
}

Hwnd getForegroundWindow() {
    sim::Desktop::Impl* d = sim::activeDesktop();
    return d && d->windows.find(d->foreground) ? d->foreground : 0;
}

bool flashWindow(Hwnd window, bool invert) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    Window* w = d ? d->windows.find(window) : nullptr;
    if (!w) return false;
    // The caption is drawn active when the window is in the foreground,
    // inverted while flashed.
    auto captionActive = [&] { return (d->windows.topLevelOf(*w).hwnd == getForegroundWindow()) != w->flashInverted; };
    const bool wasActive = captionActive();
    w->flashInverted = invert ? !w->flashInverted : false;
    sim::TraceEvent e{};
    e.kind = sim::TraceEvent::Kind::Flash;
    e.toProgram = d->programOf(*w);
    e.hwnd = window;
    e.caption = w->caption;
    e.value = invert ? 1 : 0;
    d->self.record(std::move(e));
    return wasActive;
}

Hwnd setFocus(Hwnd window) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return 0;
    if (window && !d->windows.find(window)) return 0;
    const Hwnd previous = getFocus();
    if (previous == window) return previous;
    d->focus = window;
    // A window of another thread learns of the change when that thread next
    // takes its messages: each thread has its own keyboard input, and a
    // thread busy elsewhere must not hold up the one taking the focus.
    const auto tell = [d](Hwnd target, Uint message, Wparam other) {
        const sim::Window* w = d->windows.find(target);
        if (w && w->thread && w->thread != &sim::callerThread(*d) && !sim::callerThread(*d).isHarness) {
            sim::queueSystemMessage(*d, target, message, other, 0);
        } else {
            sendMessage(target, message, other, 0);
        }
    };
    if (previous) tell(previous, WM_KILLFOCUS, window);
    if (window && d->focus == window) tell(window, WM_SETFOCUS, previous);
    return previous;
}

Hwnd getFocus() {
    sim::Desktop::Impl* d = sim::activeDesktop();
    return d && d->windows.find(d->focus) ? d->focus : 0;
}

}  // namespace plat
