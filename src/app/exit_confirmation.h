// The exit confirmation "終了確認", asked when the main window is to close.
#pragma once

#include "platform/dialog.h"
#include "ui/main_window_shell.h"

namespace app {

constexpr const char* kExitCaption = "終了確認";
constexpr const char* kExitText = "Ornel を終了してもよろしいですか？";
// The button that also ends the betting client; the dialog ends with its id.
constexpr int kIdQuitClientToo = 1053;

plat::DialogTemplate ExitConfirmationTemplate();

// Stay, Close, or CloseAndQuitClient (PATも終了: end the betting client,
// then as OK).
using ui::ExitChoice;

ExitChoice ConfirmExit(plat::Hwnd mainWindow);

}  // namespace app
