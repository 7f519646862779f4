#include "driver/scale.h"

#include "platform/window.h"

namespace driver {

bool CalibrateScale(DriverState& driver, const char* className, const char* caption, int refWidth,
                    int refHeight) {
    const plat::Hwnd window = plat::findWindow(className, caption);
    plat::Rect rect;
    if (window == 0 || refWidth == 0 || refHeight == 0 || !plat::getWindowRect(window, rect)) return false;
    driver.scaleX = static_cast<double>(rect.width()) / refWidth;
    driver.scaleY = static_cast<double>(rect.height()) / refHeight;
    return true;
}

int ScaleXPos(const DriverState& driver, int x) { return static_cast<int>(x * driver.scaleX.load()); }

int ScaleYPos(const DriverState& driver, int y) { return static_cast<int>(y * driver.scaleY.load()); }

}  // namespace driver
