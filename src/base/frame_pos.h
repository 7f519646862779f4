// The main window's placement as stored in "Frame Pos".
#pragma once

#include <string>

namespace base {

// The eleven members of a window placement record, in stored order.
struct WindowPlacement {
    unsigned length = 0;
    unsigned flags = 0;
    unsigned showCommand = 0;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

// "%u, %u, %u, %d, %d, %d, %d, %d, %d, %d, %d " (with the trailing blank).
std::string FormatFramePos(const WindowPlacement& placement);
// True, with placement filled, only when all eleven fields parse.
bool ParseFramePos(const std::string& text, WindowPlacement& placement);

}  // namespace base
