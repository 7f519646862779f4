// Window procedures of the standard classes.  They depend only on the
// window's style and state, never on its class name, so a program may
// superclass them under names of its own.
#pragma once

#include "platform/window.h"

namespace sim::controls {

plat::Lresult editProc(plat::Hwnd, plat::Uint, plat::Wparam, plat::Lparam);
plat::Lresult buttonProc(plat::Hwnd, plat::Uint, plat::Wparam, plat::Lparam);
plat::Lresult comboBoxProc(plat::Hwnd, plat::Uint, plat::Wparam, plat::Lparam);
plat::Lresult staticProc(plat::Hwnd, plat::Uint, plat::Wparam, plat::Lparam);
plat::Lresult dialogClassProc(plat::Hwnd, plat::Uint, plat::Wparam, plat::Lparam);

}  // namespace sim::controls
