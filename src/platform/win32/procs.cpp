#include "platform/win32/procs.h"

#include <map>
#include <mutex>

namespace win32 {

namespace {

// Windows of one process are served by several threads (Ornel's window
// thread creates them; the bet runner's sends run on the owner's thread, but
// may create none), so the tables are locked.
std::mutex tableLock;
std::map<ATOM, plat::WndProc>& classProcs() {
    static std::map<ATOM, plat::WndProc> procs;
    return procs;
}
std::map<HWND, plat::WndProc>& windowProcs() {
    static std::map<HWND, plat::WndProc> procs;
    return procs;
}

// The CREATESTRUCT of the WM_CREATE being handled on this thread, so that a
// standard control's procedure called from ours still gets the real one.
thread_local CREATESTRUCTA* creating = nullptr;

}  // namespace

plat::Lresult NativeProc::operator()(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                                     plat::Lparam lParam) const {
    if (message == WM_CREATE && creating != nullptr &&
        reinterpret_cast<plat::Lparam>(creating->lpCreateParams) == lParam) {
        lParam = reinterpret_cast<LPARAM>(creating);
    }
    return CallWindowProcA(proc, hwnd(window), message, wParam, lParam);
}

void rememberClass(ATOM atom, plat::WndProc proc) {
    std::lock_guard lock(tableLock);
    classProcs()[atom] = std::move(proc);
}

plat::WndProc procOfClass(ATOM atom) {
    std::lock_guard lock(tableLock);
    const auto found = classProcs().find(atom);
    return found == classProcs().end() ? plat::WndProc{} : found->second;
}

plat::WndProc procOfWindow(HWND window) {
    std::lock_guard lock(tableLock);
    const auto found = windowProcs().find(window);
    return found == windowProcs().end() ? plat::WndProc{} : found->second;
}

void setProcOfWindow(HWND window, plat::WndProc proc) {
    std::lock_guard lock(tableLock);
    if (proc) {
        windowProcs()[window] = std::move(proc);
    } else {
        windowProcs().erase(window);
    }
}

LRESULT CALLBACK procedureOfWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // WM_NCCREATE sets the caption from the CREATESTRUCT; the API has no
    // such message, so Windows handles it.
    if (message == WM_NCCREATE) return DefWindowProcA(window, message, wParam, lParam);
    plat::WndProc proc = procOfWindow(window);
    if (!proc) {
        proc = procOfClass(static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM)));
        if (!proc) return DefWindowProcA(window, message, wParam, lParam);
        setProcOfWindow(window, proc);
    }
    LRESULT result;
    if (message == WM_CREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        CREATESTRUCTA* outer = creating;
        creating = create;
        result = proc(handle(window), message, wParam, reinterpret_cast<plat::Lparam>(create->lpCreateParams));
        creating = outer;
    } else {
        result = proc(handle(window), message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) setProcOfWindow(window, {});
    return result;
}

}  // namespace win32
