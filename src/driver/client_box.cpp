#include "driver/client_box.h"

#include "driver/form_actions.h"

namespace driver {

plat::Hwnd WaitClientBoxText(const DriverState& driver, const FormControl& text, std::uint32_t timeoutMs) {
    return WaitOnForm(driver, text, timeoutMs);
}

plat::Hwnd AnswerClientBox(const DriverState& driver, const FormControl& button) {
    return ClickOnForm(driver, button);
}

}  // namespace driver
