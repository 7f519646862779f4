#include "betclient/geometry.h"

#include <cmath>

namespace betclient {

int scaleX(int x, Scale s) { return static_cast<int>(x * s.x); }
int scaleY(int y, Scale s) { return static_cast<int>(y * s.y); }

plat::Rect scaleRect(const DesignRect& r, Scale s) {
    return {scaleX(r.left, s), scaleY(r.top, s), scaleX(r.right, s), scaleY(r.bottom, s)};
}

plat::Point scaledSize(DesignSize size, Scale s) {
    return {static_cast<int>(std::lround(size.width * s.x)),
            static_cast<int>(std::lround(size.height * s.y))};
}

Scale measuredScale(DesignSize design, int width, int height) {
    if (design.width <= 0 || design.height <= 0) return {};
    return {static_cast<double>(width) / design.width, static_cast<double>(height) / design.height};
}

}  // namespace betclient
