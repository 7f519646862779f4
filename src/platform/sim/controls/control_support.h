// Helpers shared by the standard controls' window procedures.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window.h"

namespace sim::controls {

// Messages, codes and keys the controls use that the program itself never
// sends, so they are not part of the platform API.
constexpr plat::Uint WM_GETDLGCODE = 0x0087;
constexpr plat::Lresult DLGC_BUTTON = 0x2000;
constexpr plat::Lresult DLGC_RADIOBUTTON = 0x0040;
constexpr plat::Wparam VK_END = 0x23;
constexpr plat::Wparam VK_HOME = 0x24;
constexpr plat::Wparam VK_DELETE = 0x2E;

// The per-window state of a control, kept through the window's data pointer:
// created on first use (normally WM_CREATE) and freed on WM_NCDESTROY.
template <class State>
State& stateOf(plat::Hwnd window) {
    auto* state = static_cast<State*>(plat::getWindowData(window));
    if (state == nullptr) {
        state = new State();
        plat::setWindowData(window, state);
    }
    return *state;
}
template <class State>
void freeState(plat::Hwnd window) {
    delete static_cast<State*>(plat::getWindowData(window));
    plat::setWindowData(window, nullptr);
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
