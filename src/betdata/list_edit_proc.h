// The BetList's replacement window procedure: Enter asks the main window to
// re-parse the list instead of breaking the line, and a paste is announced
// to the main window before and after it happens so that the pasted text
// goes through the importers and the bet log.
#pragma once

#include <atomic>

#include "platform/window.h"

namespace betdata {

// Private messages to the main window.
constexpr plat::Uint kMsgReparseRequest = plat::WM_USER + 7;
constexpr plat::Uint kMsgPastePrepare = plat::WM_USER + 8;
constexpr plat::Uint kMsgPasteFinish = plat::WM_USER + 9;

class ListEditSubclass {
public:
    // autoMode: while AUTO mode is on, pastes are dropped.
    explicit ListEditSubclass(const std::atomic<int>& autoMode) : autoMode_(autoMode) {}
    ListEditSubclass(const ListEditSubclass&) = delete;
    ListEditSubclass& operator=(const ListEditSubclass&) = delete;

    // Installs the procedure on the edit, keeping the edit's own for
    // everything else.
    void install(plat::Hwnd edit);

private:
    plat::Lresult handle(plat::Hwnd edit, plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);
    plat::Lresult paste(plat::Hwnd edit, plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);

    const std::atomic<int>& autoMode_;
    plat::WndProc previous_;
    bool pasteInProgress_ = false;
};

}  // namespace betdata
