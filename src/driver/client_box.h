// Recognising and answering the client's message boxes ("#32770" windows
// captioned "ﾒｯｾｰｼﾞ" or "ｴﾗｰﾒｯｾｰｼﾞ"): a box is known by the beginning of its
// text at a position, and answered by pressing one of its buttons ("OK",
// "はい(&Y)").  Positions are design positions scaled with the factors of
// the form that raised the box.
#pragma once

#include <cstdint>

#include "driver/client_forms.h"
#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

// The box's text control when a box of that caption shows the text within
// timeoutMs; else 0.
plat::Hwnd WaitClientBoxText(const DriverState& driver, const FormControl& text, std::uint32_t timeoutMs);

// Presses the box's button; 0 when it was not there or not pressed.
plat::Hwnd AnswerClientBox(const DriverState& driver, const FormControl& button);

}  // namespace driver
