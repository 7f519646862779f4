// Window procedures of the standard classes.  They depend only on the
// window's style and state, never on its class name, so a program may
// superclass them under names of its own.  Each call of a make* function
// gives a procedure with its own state table: one per desktop.
#pragma once

#include "platform/window.h"

namespace sim::controls {

plat::WndProc makeEditProc();
plat::WndProc makeButtonProc();
plat::WndProc makeComboBoxProc();
plat::Lresult staticProc(plat::Hwnd, plat::Uint, plat::Wparam, plat::Lparam);
plat::Lresult dialogClassProc(plat::Hwnd, plat::Uint, plat::Wparam, plat::Lparam);

}  // namespace sim::controls
