#include "base/frame_pos.h"

#include <cstdio>

namespace base {

namespace {
constexpr const char* kFramePosFormat = "%u, %u, %u, %d, %d, %d, %d, %d, %d, %d, %d ";
constexpr int kFramePosFields = 11;
}  // namespace

std::string FormatFramePos(const WindowPlacement& p) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, kFramePosFormat, p.length, p.flags, p.showCommand, p.minX,
                  p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
    return buffer;
}

bool ParseFramePos(const std::string& text, WindowPlacement& placement) {
    WindowPlacement p;
    int n = std::sscanf(text.c_str(), kFramePosFormat, &p.length, &p.flags, &p.showCommand, &p.minX,
                        &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom);
    if (n != kFramePosFields) return false;
    placement = p;
    return true;
}

}  // namespace base
