// Messages, message loops, modal loops and timers on USER32.
#include "platform/win32/windows_api.h"

#include "platform/win32/edit_positions.h"

#include <map>
#include <string>
#include <mutex>

namespace plat {

using win32::handle;
using win32::hwnd;

namespace {

// Modal loops run by runModalLoop, by window: ended by endModal.
struct ModalState {
    bool ended = false;
    int result = IDCANCEL;
};
std::mutex modalLock;
std::map<HWND, ModalState*>& modalLoops() {
    static std::map<HWND, ModalState*> loops;
    return loops;
}

Msg fromNative(const MSG& m) { return {handle(m.hwnd), m.message, m.wParam, m.lParam}; }

bool ofAnotherProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process != 0 && process != GetCurrentProcessId();
}

// A combo box item of another process's window, read as UTF-16 and given
// back as Shift-JIS with its length in bytes, as ANSI controls count it.
// (Wine hands the ANSI form of this message across processes back in
// UTF-16; the UTF-16 form is exact on Windows and Wine alike.)
LRESULT comboItemOfAnotherProcess(HWND combo, UINT message, WPARAM index, LPARAM buffer) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return length;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (got < 0) return got;
    text.resize(static_cast<std::size_t>(got));
    const int size = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (message == CB_GETLBTEXTLEN) return bytes;
    auto* out = reinterpret_cast<char*>(buffer);
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, out, bytes, nullptr, nullptr);
    out[bytes] = '\0';
    return bytes;
}

}  // namespace

bool postMessage(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    return PostMessageA(hwnd(window), message, wParam, lParam) != 0;
}

Lresult sendMessage(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    const HWND target = hwnd(window);
    if ((message == CB_GETLBTEXT || message == CB_GETLBTEXTLEN) && ofAnotherProcess(target)) {
        return comboItemOfAnotherProcess(target, message, wParam, lParam);
    }
    if (const std::optional<LRESULT> result = win32::sendEditMessageInBytes(target, message, wParam, lParam))
        return *result;
    return SendMessageA(target, message, wParam, lParam);
}

void postQuitMessage(int exitCode) { PostQuitMessage(exitCode); }

bool getMessage(Msg& msg) {
    MSG m{};
    const BOOL got = GetMessageA(&m, nullptr, 0, 0);
    msg = fromNative(m);
    return got > 0;  // 0 for WM_QUIT, -1 for an error
}

bool peekMessage(Msg& msg, bool remove) {
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, remove ? PM_REMOVE : PM_NOREMOVE)) return false;
    msg = fromNative(m);
    return true;
}

Lresult dispatchMessage(const Msg& msg) {
    MSG m{};
    m.hwnd = hwnd(msg.hwnd);
    m.message = msg.message;
    m.wParam = msg.wParam;
    m.lParam = msg.lParam;
    m.time = static_cast<DWORD>(GetMessageTime());
    return DispatchMessageA(&m);
}

int runModalLoop(Hwnd window) {
    const HWND modal = hwnd(window);
    const HWND owner = GetWindow(modal, GW_OWNER);
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ModalState state;
    {
        std::lock_guard lock(modalLock);
        modalLoops()[modal] = &state;
    }
    MSG m{};
    while (!state.ended && IsWindow(modal)) {
        const BOOL got = GetMessageA(&m, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT ends the loop and is posted again for the outer loop.
            PostQuitMessage(static_cast<int>(m.wParam));
            state.result = IDCANCEL;
            break;
        }
        DispatchMessageA(&m);
    }
    {
        std::lock_guard lock(modalLock);
        modalLoops().erase(modal);
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    return state.result;
}

void endModal(Hwnd window, int result) {
    const HWND modal = hwnd(window);
    {
        std::lock_guard lock(modalLock);
        const auto found = modalLoops().find(modal);
        if (found != modalLoops().end()) {
            found->second->ended = true;
            found->second->result = result;
            // Wakes the loop if it waits for a message.
            PostMessageA(modal, WM_NULL, 0, 0);
            return;
        }
    }
    // A dialog Windows runs itself (template dialogs).
    EndDialog(modal, result);
}

Uint setTimer(Hwnd window, Uint id, Uint periodMs) {
    return static_cast<Uint>(SetTimer(hwnd(window), id, periodMs, nullptr));
}

bool killTimer(Hwnd window, Uint id) { return KillTimer(hwnd(window), id) != 0; }

}  // namespace plat
