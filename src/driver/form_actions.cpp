#include "driver/form_actions.h"

#include "driver/input.h"
#include "driver/scale.h"
#include "driver/window_search.h"

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

}  // namespace driver
