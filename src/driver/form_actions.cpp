#include "driver/form_actions.h"

#include "driver/input.h"
#include "driver/scale.h"
#include "driver/window_search.h"
#include "platform/window.h"

namespace driver {

plat::Point Scaled(const DriverState& driver, DesignPoint point) {
    return {ScaleXPos(driver, point.x), ScaleYPos(driver, point.y)};
}

bool CalibrateTo(DriverState& driver, const ClientForm& form) {
    return CalibrateScale(driver, form.className, form.caption, form.designWidth, form.designHeight);
}

plat::Hwnd WaitForm(const DriverState& driver, const ClientForm& form, std::uint32_t timeoutMs) {
    return WaitTopWindow(driver, form.className, form.caption, timeoutMs);
}

plat::Hwnd FindOnForm(const DriverState& driver, const FormControl& control) {
    const plat::Point p = Scaled(driver, control.at);
    return FindControlByCaption(control.form.className, control.form.caption, p.x, p.y, control.caption);
}

plat::Hwnd WaitOnForm(const DriverState& driver, const FormControl& control, std::uint32_t timeoutMs) {
    const plat::Point p = Scaled(driver, control.at);
    return WaitControlByCaption(driver, control.form.className, control.form.caption, p.x, p.y,
                                control.caption, timeoutMs);
}

plat::Hwnd ClickOnForm(const DriverState& driver, const FormControl& control) {
    const plat::Point p = Scaled(driver, control.at);
    return ClickControl(driver, control.form.className, control.form.caption, p.x, p.y, control.caption);
}

plat::Hwnd TopLevelOf(plat::Hwnd window) {
    // Up through child windows only: getParent of a pop-up is its owner.
    while ((plat::getStyle(window) & plat::WS_CHILD) != 0) {
        const plat::Hwnd parent = plat::getParent(window);
        if (parent == 0) break;
        window = parent;
    }
    return window;
}

plat::Hwnd ChildCovering(plat::Hwnd parent, plat::Hwnd form, plat::Point at, plat::Dword requiredStyle) {
    plat::Rect formRect;
    plat::getWindowRect(form, formRect);
    for (plat::Hwnd child = plat::getWindow(parent, plat::GW_CHILD); child != 0;
         child = plat::getWindow(child, plat::GW_HWNDNEXT)) {
        if ((plat::getStyle(child) & requiredStyle) != requiredStyle) continue;
        plat::Rect r;
        plat::getWindowRect(child, r);
        if (at.x >= r.left - formRect.left && at.x <= r.right - formRect.left && at.y >= r.top - formRect.top &&
            at.y <= r.bottom - formRect.top)
            return child;
    }
    return 0;
}

}  // namespace driver
