// The nested message loop of a modal window (message boxes, dialogs).
#include "platform/sim/dialogs/dialog_keys.h"
#include "platform/sim/message_queue.h"
#include "platform/sim/text_match.h"

namespace sim {

namespace {

bool isStatic(const Window& w) { return equalsIgnoreCase(w.className, "Static"); }

// Push buttons of the standard class, or of classes made from it.
bool isPushButton(const Window& w) {
    plat::Dword type = w.style & plat::BS_TYPEMASK;
    return startsWithIgnoreCase(w.className, "Button") &&
           (type == plat::BS_PUSHBUTTON || type == plat::BS_DEFPUSHBUTTON);
}

// Static texts and push buttons, depth-first in z-order (creation order).
void collectControls(Desktop::Impl& d, Window& parent, std::vector<std::string>& texts, ModalInfo& info) {
    for (plat::Hwnd h : parent.children) {
        Window* c = d.windows.find(h);
        if (!c) continue;
        if (isStatic(*c)) texts.push_back(c->caption);
        if (isPushButton(*c)) info.buttons.emplace_back(c->id, c->caption);
        collectControls(d, *c, texts, info);
    }
}

// What the user sees: the details the box carries, or the window's own texts.
ModalInfo describe(Desktop::Impl& d, Window& w) {
    ModalInfo info;
    info.window = w.hwnd;
    info.program = d.programOf(w);
    info.caption = w.caption;
    std::vector<std::string> texts;
    collectControls(d, w, texts, info);
    if (w.modalDetails) {
        const ModalDetails& m = *w.modalDetails;
        info.text = m.text;
        info.type = m.type;
        info.helpId = m.helpId;
        info.isMessageBox = m.isMessageBox;
        info.isOpenFile = m.isOpenFile;
        info.isMenu = m.isMenu;
        info.menuItems = m.menuItems;
        info.menuGreyed = m.menuGreyed;
        info.filter = m.filter;
        info.defaultExtension = m.defaultExtension;
        info.fileName = m.fileName;
    } else {
        for (std::size_t i = 0; i < texts.size(); ++i) info.text += (i ? "\n" : "") + texts[i];
    }
    return info;
}

void traceBox(Desktop::Impl& d, TraceEvent::Kind kind, const ModalInfo& info, std::int64_t value) {
    TraceEvent e{};
    e.kind = kind;
    e.fromProgram = info.program;
    e.hwnd = info.window;
    e.caption = info.caption;
    e.text = info.text;
    e.helpId = info.helpId;
    e.value = value;
    d.self.record(std::move(e));
}

// Pumps the thread's messages until the window's loop ends, with the
// dialog's keyboard handling first; the result.
int pumpUntilEnded(Desktop::Impl& d, SimThread& thread, Window& w) {
    // Dialogs and message boxes; other modal windows (a tracked menu) handle
    // their keys themselves.
    const bool isDialog = equalsIgnoreCase(w.className, "#32770");
    Retrieval how;
    how.stop = [&] { return !w.alive || w.modal.ended; };
    for (;;) {
        plat::Msg msg;
        Retrieved r = retrieveMessage(d, thread, msg, how);
        if (r == Retrieved::Stopped) return w.modal.ended ? w.modal.result : plat::IDCANCEL;
        if (r == Retrieved::Nothing) return plat::IDCANCEL;  // the thread is unwinding
        if (msg.message == plat::WM_QUIT) {
            plat::postQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            return plat::IDCANCEL;
        }
        if (isDialog && isDialogMessage(w.hwnd, msg)) continue;
        translateMessage(msg);
        plat::dispatchMessage(msg);
    }
}

}  // namespace

}  // namespace sim

namespace plat {

int runModalLoop(Hwnd window) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return -1;
    sim::SimThread& thread = sim::requireSimulated("runModalLoop");
    sim::Window* w = d->windows.find(window);
    if (!w || w->modal.running) return -1;

    // The owner stays disabled while the modal window is up.
    Hwnd owner = getWindow(window, GW_OWNER);
    const bool disableOwner = owner && isWindowEnabled(owner);
    if (disableOwner) enableWindow(owner, false);

    w->modal.running = true;
    w->modal.loopThread = &thread;
    // Cleared however the loop ends, also when the thread unwinds.
    struct ModalReset {
        sim::Window& window;
        ~ModalReset() { window.modal = {}; }
    };
    int result = 0;
    sim::ModalInfo info;
    {
        ModalReset reset{*w};
        const bool endedEarly = w->modal.ended;  // endModal during initialisation
        info = sim::describe(*d, *w);
        sim::traceBox(*d, sim::TraceEvent::Kind::Box, info, 0);
        if (d->user && !endedEarly) d->user->onModal(d->self, info);
        result = sim::pumpUntilEnded(*d, thread, *w);
    }
    if (disableOwner && isWindow(owner)) enableWindow(owner, true);
    sim::traceBox(*d, sim::TraceEvent::Kind::BoxAnswer, info, result);
    return result;
}

void endModal(Hwnd window, int result) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || w->modal.ended) return;
    w->modal.ended = true;
    w->modal.result = result;
    if (w->modal.loopThread) d->scheduler.wakeFromMessageWait(*w->modal.loopThread);
}

}  // namespace plat
