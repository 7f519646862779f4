// Sizes of the non-client parts of windows (caption bar, borders) and of
// minimized windows, in pixels.
#pragma once

#include "platform/wintypes.h"

namespace sim {

struct FrameMetrics {
    int captionHeight;  // caption bar of a top-level window with WS_CAPTION
    int thickBorder;    // WS_THICKFRAME (sizing border)
    int dialogBorder;   // WS_CAPTION or WS_DLGFRAME without a sizing border
    int thinBorder;     // WS_BORDER only; also any bordered child window
    int iconicWidth;    // a minimized top-level window
    int iconicHeight;
};
inline constexpr FrameMetrics kFrameMetrics{19, 4, 3, 1, 160, 24};

// How far the client area lies inside the window rectangle on each side.
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline FrameInsets frameInsets(plat::Dword style, bool topLevel) {
    int border = 0;
    int caption = 0;
    if (topLevel) {
        if (style & plat::WS_THICKFRAME) {
            border = kFrameMetrics.thickBorder;
        } else if (style & plat::WS_DLGFRAME) {  // part of WS_CAPTION
            border = kFrameMetrics.dialogBorder;
        } else if (style & plat::WS_BORDER) {
            border = kFrameMetrics.thinBorder;
        }
        if ((style & plat::WS_CAPTION) == plat::WS_CAPTION) caption = kFrameMetrics.captionHeight;
    } else if (style & plat::WS_BORDER) {
        border = kFrameMetrics.thinBorder;
    }
    return {border, border + caption, border, border};
}

// A window is never smaller than its frame (caption bar and borders), so
// that window size minus client size is always the frame's size.
inline plat::Rect fitToFrame(plat::Rect rect, plat::Dword style, bool topLevel) {
    FrameInsets in = frameInsets(style, topLevel);
    if (rect.right < rect.left + in.left + in.right) rect.right = rect.left + in.left + in.right;
    if (rect.bottom < rect.top + in.top + in.bottom) rect.bottom = rect.top + in.top + in.bottom;
    return rect;
}

// WM_SIZE kinds (wParam).
inline constexpr plat::Wparam kSizeRestored = 0;
inline constexpr plat::Wparam kSizeMinimized = 1;
inline constexpr plat::Wparam kSizeMaximized = 2;

}  // namespace sim
