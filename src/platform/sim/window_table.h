// The windows of the desktop: their records, handles, z-order and geometry.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/backend.h"
#include "platform/window.h"
#include "platform/window_frame.h"

namespace sim {

struct SimThread;

struct ModalState {
    bool running = false;
    SimThread* loopThread = nullptr;  // the thread running the modal loop
    bool ended = false;  // endModal was called
    int result = 0;
};

struct Window {
    plat::Hwnd hwnd = 0;
    bool alive = true;
    bool destroying = false;
    bool topLevel = false;  // a child of the desktop window
    std::string className;
    std::string caption;
    plat::Dword style = 0;
    plat::Dword exStyle = 0;
    plat::Rect rect;                        // parent's client coordinates (top-level: screen)
    std::optional<plat::Rect> restoreRect;  // while minimized or maximized
    plat::Hwnd parent = 0;                  // the desktop window for top-level windows
    plat::Hwnd owner = 0;                   // top-level windows only
    std::vector<plat::Hwnd> children;       // z-order, top first
    std::vector<plat::Hwnd> owned;          // top-level windows it owns, oldest first
    int id = 0;
    plat::WndProc proc;
    void* data = nullptr;
    SimThread* thread = nullptr;  // the thread that created it
    std::optional<ModalDetails> modalDetails;
    ModalState modal;
    bool flashInverted = false;
    plat::Hicon icons[2] = {0, 0};  // ICON_SMALL, ICON_BIG
};

// Handles start at kFirstHandle and step by kHandleStep; they are never
// reused, and the records of destroyed windows stay (marked dead) so that a
// pointer held across a window procedure call never dangles.
class WindowTable {
public:
    static constexpr plat::Hwnd kFirstHandle = 0x0100;
    static constexpr plat::Hwnd kHandleStep = 2;

    WindowTable(int screenWidth, int screenHeight, SimThread* desktopThread);

    plat::Hwnd desktopHandle() const { return kFirstHandle; }
    Window& desktop() { return *windows_.front(); }
    Window* find(plat::Hwnd hwnd);  // live windows only
    // Assigns the handle and links the window into its parent's children:
    // top-level windows at the top of the z-order, children at the bottom.
    Window& add(Window window);
    // Marks a window dead and unlinks it from its parent and owner (its
    // children and owned windows are not touched).
    void kill(Window& window);

    void bringToTop(Window& window);  // with the windows it owns above it
    Window& topLevelOf(Window& window);
    std::vector<Window*> ownedBy(plat::Hwnd owner);
    std::vector<Window*> live();

    plat::Rect screenRect(Window& window);
    plat::Point clientOrigin(Window& window);  // screen coordinates
    plat::Rect clientRect(Window& window);     // left = top = 0
    plat::Rect iconicSlot(Window& window);     // where a minimized window goes

private:
    std::vector<std::unique_ptr<Window>> windows_;  // index = (hwnd - first) / step
    std::set<plat::Hwnd> live_;
    int screenWidth_;
    int screenHeight_;
};

}  // namespace sim
