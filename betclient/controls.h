// The window classes of the client and the small behaviours its controls add
// to the standard ones.
//
// Forms use the standard "Button", "Static", "Edit" and "ComboBox" controls.
// Frames and panels pass their children's notifications on to the form, and
// option buttons report a BM_SETCHECK that checks them as a click, since
// other programs set options that way.  The number grid and the item lists
// are windows of their own classes (number_grid.h, item_list.h).
#pragma once

#include "platform/window.h"

namespace betclient {

constexpr const char* kMainClass = "ThunderRTMain";
constexpr const char* kFormClass = "ThunderRTForm";
constexpr const char* kPanelClass = "AfxWnd40";  // a plain container panel
constexpr const char* kGridClass = "PatNumberGrid";
constexpr const char* kListClass = "PatItemList";

// Registers the client's classes on the desktop (again on a desktop that
// has them: nothing happens).
void registerClientClasses(plat::WndProc mainProc, plat::WndProc formProc);

// A frame (group box) whose children's WM_COMMAND go on to its parent.
void passNotificationsUp(plat::Hwnd frame);
// An option button that tells its parent BN_CLICKED when a BM_SETCHECK
// checks it while it is enabled and was not checked.
void notifyWhenChecked(plat::Hwnd option);

}  // namespace betclient
