#include "driver/client_box.h"

#include "driver/form_actions.h"

namespace driver {

plat::Hwnd WaitClientBoxText(const DriverState& driver, const ClientForm& box, DesignPoint textAt,
                             const char* textPrefix, std::uint32_t timeoutMs) {
    return WaitOnForm(driver, box, textAt, textPrefix, timeoutMs);
}

plat::Hwnd AnswerClientBox(const DriverState& driver, const ClientForm& box, DesignPoint buttonAt,
                           const char* buttonCaption) {
    return ClickOnForm(driver, box, buttonAt, buttonCaption);
}

}  // namespace driver
