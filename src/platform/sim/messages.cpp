#include <algorithm>

#include "platform/sim/message_queue.h"
#include "platform/sim/user_input.h"

namespace sim {

namespace {

// As Win32, a queue holds at most this many posted messages; further posts
// fail.
constexpr std::size_t kPostedQueueLimit = 10000;

plat::Lresult sendAcrossThreads(Desktop::Impl& d, SimThread& caller, SimThread& owner, const plat::Msg& msg) {
    auto request = std::make_shared<SendRequest>();
    request->msg = msg;
    request->sender = &caller;
    owner.incoming.push_back(request);
    d.scheduler.wakeFromAnyWait(owner);
    while (!request->done) {
        // Sends to this thread are answered while it waits, so two threads
        // sending to each other do not lock up.
        if (!caller.incoming.empty()) {
            processIncomingSends(d, caller);
            continue;
        }
        if (!d.scheduler.block(caller, ThreadState::WaitingReply)) {
            request->sender = nullptr;
            return 0;
        }
    }
    return request->result;
}

// The keyboard's state follows the key messages as they are taken.
void noteKeyState(Desktop::Impl& d, const plat::Msg& msg) {
    if (msg.message == plat::WM_KEYDOWN) d.keysDown.insert(msg.wParam);
    if (msg.message == plat::WM_KEYUP) d.keysDown.erase(msg.wParam);
}

}  // namespace

plat::Lresult callProc(Desktop::Impl& d, plat::Hwnd hwnd, plat::Uint message, plat::Wparam wParam,
                       plat::Lparam lParam) {
    Window* w = d.windows.find(hwnd);
    if (!w) return 0;
    if (!d.messageWatched.empty()) spyMessage(d, *w, message, wParam, lParam);
    plat::WndProc proc = w->proc;  // a copy: the procedure may replace itself or destroy the window
    if (!proc) return plat::defWindowProc(hwnd, message, wParam, lParam);
    return proc(hwnd, message, wParam, lParam);
}

void processIncomingSends(Desktop::Impl& d, SimThread& thread) {
    while (!thread.incoming.empty()) {
        std::shared_ptr<SendRequest> request = thread.incoming.front();
        thread.incoming.pop_front();
        const plat::Msg& m = request->msg;
        request->result = callProc(d, m.hwnd, m.message, m.wParam, m.lParam);
        request->done = true;
        if (request->sender) d.scheduler.wakeFromAnyWait(*request->sender);
    }
}

Retrieved retrieveMessage(Desktop::Impl& d, SimThread& thread, plat::Msg& msg, const Retrieval& how) {
    for (;;) {
        processIncomingSends(d, thread);
        if (how.stop && how.stop()) return Retrieved::Stopped;
        if (!thread.posted.empty()) {
            msg = thread.posted.front();
            if (how.remove) {
                thread.posted.pop_front();
                noteKeyState(d, msg);
            }
            return Retrieved::Message;
        }
        if (thread.quitPending) {
            msg = {0, plat::WM_QUIT, static_cast<plat::Wparam>(thread.quitCode), 0};
            if (how.remove) thread.quitPending = false;
            return Retrieved::Message;
        }
        const Timer* timer = d.timers.earliest(thread);
        if (timer && timer->due.time <= d.scheduler.now()) {
            msg = {timer->hwnd, plat::WM_TIMER, timer->id, 0};
            if (how.remove) d.timers.delivered(timer->hwnd, timer->id, {d.scheduler.now(), d.scheduler.nextSeq()});
            return Retrieved::Message;
        }
        if (!how.wait) return Retrieved::Nothing;
        if (!d.scheduler.block(thread, ThreadState::WaitingMessage)) return Retrieved::Nothing;
    }
}

bool queueSystemMessage(Desktop::Impl& d, plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                        plat::Lparam lParam) {
    Window* w = d.windows.find(window);
    if (!w || window == d.windows.desktopHandle() || !w->thread) return false;
    if (w->thread->posted.size() >= kPostedQueueLimit) return false;
    w->thread->posted.push_back({window, message, wParam, lParam});
    d.scheduler.wakeFromMessageWait(*w->thread);
    return true;
}

}  // namespace sim

namespace plat {

bool postMessage(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || window == d->windows.desktopHandle() || !w->thread) return false;
    if (w->thread->posted.size() >= sim::kPostedQueueLimit) return false;
    sim::traceMessage(*d, sim::TraceEvent::Kind::Post, sim::callerThread(*d), *w, message, wParam, lParam);
    return sim::queueSystemMessage(*d, window, message, wParam, lParam);
}

Lresult sendMessage(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w) return 0;
    sim::SimThread& caller = sim::callerThread(*d);
    sim::SimThread* owner = w->thread;
    // The harness, the owning thread, and windows the harness made are
    // served at once on the calling thread.
    if (caller.isHarness || !owner || owner == &caller || owner->isHarness) {
        return sim::callProc(*d, window, message, wParam, lParam);
    }
    sim::traceMessage(*d, sim::TraceEvent::Kind::Send, caller, *w, message, wParam, lParam);
    return sim::sendAcrossThreads(*d, caller, *owner, {window, message, wParam, lParam});
}

void postQuitMessage(int exitCode) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return;
    sim::SimThread& t = sim::callerThread(*d);
    t.quitPending = true;
    t.quitCode = exitCode;
}

bool getMessage(Msg& msg) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) {
        msg = {0, WM_QUIT, 0, 0};
        return false;
    }
    sim::SimThread& t = sim::requireSimulated("getMessage");
    if (sim::retrieveMessage(*d, t, msg, {}) != sim::Retrieved::Message) msg = {0, WM_QUIT, 0, 0};
    return msg.message != WM_QUIT;
}

bool peekMessage(Msg& msg, bool remove) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return false;
    sim::Retrieval how;
    how.remove = remove;
    how.wait = false;
    return sim::retrieveMessage(*d, sim::callerThread(*d), msg, how) == sim::Retrieved::Message;
}

Lresult dispatchMessage(const Msg& msg) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d || msg.hwnd == 0 || msg.message == WM_QUIT) return 0;
    return sim::callProc(*d, msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

WndProc setWindowProc(Hwnd window, WndProc proc) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w) return {};
    std::swap(w->proc, proc);
    return proc;
}

Lresult callWindowProc(const WndProc& proc, Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    return proc ? proc(window, message, wParam, lParam) : defWindowProc(window, message, wParam, lParam);
}

Lresult defWindowProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w) return 0;
    switch (message) {
        case WM_SETTEXT:
            w->caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
            return 1;
        case WM_GETTEXT: {
            // wParam is the buffer size: at most wParam - 1 bytes and a NUL.
            if (!lParam || wParam == 0) return 0;
            std::size_t n = std::min<std::size_t>(w->caption.size(), wParam - 1);
            char* buffer = reinterpret_cast<char*>(lParam);
            w->caption.copy(buffer, n);
            buffer[n] = '\0';
            return static_cast<Lresult>(n);
        }
        case WM_GETTEXTLENGTH: return static_cast<Lresult>(w->caption.size());
        case WM_SETICON:
        case WM_GETICON: {
            if (wParam > ICON_BIG) return 0;
            const Hicon previous = w->icons[wParam];
            if (message == WM_SETICON) w->icons[wParam] = static_cast<Hicon>(lParam);
            return static_cast<Lresult>(previous);
        }
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MINIMIZE: showWindow(window, SW_MINIMIZE); break;
                case SC_RESTORE: showWindow(window, SW_RESTORE); break;
                case SC_CLOSE: sendMessage(window, WM_CLOSE, 0, 0); break;
                case sim::SC_KEYMENU:
                    if (getStyle(window) & WS_SYSMENU) sim::trackSystemMenu(window);
                    break;
                default: break;
            }
            return 0;
        case WM_CLOSE: destroyWindow(window); return 0;
        default: return 0;
    }
}

}  // namespace plat
