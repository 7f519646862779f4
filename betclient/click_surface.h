// A window of the client's own class that takes clicks on regions of its
// client area (the number grid, the item lists): the object behind it
// answers which region a point is on, and the surface tells its parent with
// WM_COMMAND (control id, region code) when a click ends on a region.
// Code 0 means no region.
#pragma once

#include "platform/window.h"

namespace betclient {

class ClickSurface {
public:
    virtual ~ClickSurface() = default;
    // The procedure of the surface classes.
    static plat::Lresult windowProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                                    plat::Lparam lParam);
    plat::Hwnd hwnd() const { return hwnd_; }

protected:
    void attachTo(plat::Hwnd window);
    virtual int regionAt(int width, int height, int x, int y) const = 0;

private:
    plat::Lresult handle(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);
    plat::Hwnd hwnd_ = 0;
    bool pressed_ = false;
};

}  // namespace betclient
