// Building, placing and running the windows of dialogs and message boxes.
#pragma once

#include <string>

#include "platform/sim/dialogs/dialog_host.h"
#include "platform/window.h"

namespace sim {

// The top-level window a (child) window belongs to; owners of dialogs and
// message boxes are taken as their top-level window, as on Windows.
plat::Hwnd topLevelWindow(plat::Hwnd window);

// A hidden "#32770" window owned by `owner` (0 = none).
plat::Hwnd createDialogWindow(const std::string& caption, plat::Dword style, plat::Hwnd owner);
// A control of the dialog (WS_CHILD | WS_VISIBLE are added); rect in pixels
// of the dialog's client area.
plat::Hwnd addControl(plat::Hwnd dialog, const std::string& className, const std::string& text,
                      plat::Dword style, const plat::Rect& rect, int id);

// Resizes a top-level window so that its client area measures width x height
// pixels, keeping its top-left corner.
void setClientSize(plat::Hwnd window, int width, int height);
// Moves a window (keeping its size) so that its top-left corner is at the
// given screen point.
void moveWindowTo(plat::Hwnd window, int left, int top);
// Moves a window (keeping its size) to the centre of another window's
// rectangle, or of the screen when `over` is 0.
void centreWindow(plat::Hwnd window, plat::Hwnd over);

// A control's whole text, however long.
std::string controlText(plat::Hwnd control);

// Shows the dialog window, runs its modal loop and returns the result it was
// ended with.
int runDialogWindow(plat::Hwnd window);

// The host of a dialog window, attached for the life of this object; the
// window is destroyed when the object goes, before the host does, however
// the dialog ends: also when its thread is unwound (the desktop ending)
// while the dialog initialises or runs its loop.  A window left behind would
// hand its last messages to a host that is gone.  Declare it after the host.
class AttachedHost {
public:
    AttachedHost(plat::Hwnd window, DialogHost& host);
    ~AttachedHost();
    AttachedHost(const AttachedHost&) = delete;
    AttachedHost& operator=(const AttachedHost&) = delete;

private:
    plat::Hwnd window_;
};

}  // namespace sim
