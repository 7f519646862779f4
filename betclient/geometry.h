// Design geometry of the client's windows.
//
// Every position of a form is a design point relative to the top-left corner
// of the form's WINDOW rectangle (caption bar and border included), at the
// form's design size.  A form drawn at a scale multiplies its window size and
// every position by the scale it measures (actual width / design width, and
// the same for the height), truncating, as the programs that operate the
// client compute positions.  A point p of a design rectangle [l, r] then
// always lands in [trunc(l * s), trunc(r * s)].
#pragma once

#include "platform/wintypes.h"

namespace betclient {

struct DesignRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct DesignSize {
    int width = 0;
    int height = 0;
};

struct Scale {
    double x = 1.0;
    double y = 1.0;
};

// trunc(v * s) for the non-negative design values used here.
int scaleX(int x, Scale s);
int scaleY(int y, Scale s);
// The rectangle in pixels relative to the scaled window's top-left corner.
plat::Rect scaleRect(const DesignRect& r, Scale s);
// The window size of a design size drawn at a scale (rounded).
plat::Point scaledSize(DesignSize size, Scale s);
// The scale a window of this pixel size shows for its design size.
Scale measuredScale(DesignSize design, int width, int height);

}  // namespace betclient
