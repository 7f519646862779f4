// Helpers shared by the standard controls' window procedures.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/sim/user_input.h"
#include "platform/window.h"

namespace sim::controls {

// Messages, keys and dialog codes the program never sends are not part of
// the platform API; the controls take them from user_input.h.

// The states of the windows of one control class on one desktop, by handle.
// A state is made on the window's first message and dropped on its
// WM_NCDESTROY; states of windows that went without one (the desktop
// discards a thread's windows silently when the thread ends) go with the
// table, that is with the desktop's classes.  Window data stays free for the
// programs' own use.
template <class State>
class StateTable {
public:
    std::shared_ptr<State> of(plat::Hwnd window) {
        std::shared_ptr<State>& slot = states_[window];
        if (!slot) slot = std::make_shared<State>();
        return slot;
    }
    void drop(plat::Hwnd window) { states_.erase(window); }

private:
    std::unordered_map<plat::Hwnd, std::shared_ptr<State>> states_;
};

// A class procedure over handler(state, window, message, wParam, lParam)
// with a state table of its own.  The state is held for the whole call, so a
// window destroyed by its parent during a notification is still safe to use.
template <class State, class Handler>
plat::WndProc statefulProc(Handler handler) {
    auto table = std::make_shared<StateTable<State>>();
    return [table, handler](plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                            plat::Lparam lParam) -> plat::Lresult {
        const std::shared_ptr<State> state = table->of(window);
        if (message == plat::WM_NCDESTROY) table->drop(window);
        return handler(*state, window, message, wParam, lParam);
    };
}

// Sends WM_COMMAND(MAKEWPARAM(id, code), window) to the control's parent.
void notifyParent(plat::Hwnd window, plat::Uint code);

// The caption the window system keeps for the window (not the control's own
// text handling), and its replacement.  Controls mirror their text into it so
// that the window's caption always reads as the control's text.
std::string storedCaption(plat::Hwnd window);
void storeCaption(plat::Hwnd window, const std::string& text);

// A message's integer argument as the signed 32-bit value the caller meant
// (-1 arrives as all bits set).
constexpr std::int32_t signedArg(std::uintptr_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
}

// WM_GETTEXT into a caller's buffer of `size` bytes: at most size - 1 bytes
// and a NUL; returns the bytes copied.
plat::Lresult copyTextOut(const std::string& text, plat::Wparam size, plat::Lparam buffer);

// Whether a client-relative mouse position (lParam) lies on the window.
bool pointOnWindow(plat::Hwnd window, plat::Lparam position);

}  // namespace sim::controls
