// How the driver tells the user that an operation on the client failed.
#pragma once

#include "base/notifier.h"
#include "platform/wintypes.h"

namespace driver {

// Pause before the driver's message, so the client's own windows settle.
constexpr unsigned kDriverMessagePauseMs = 500;

// Sleeps kDriverMessagePauseMs, brings the program's main window (when
// there is one) to the foreground and shows the string-table message in an
// OK box.  Returns the box's result.
int ShowDriverMessage(base::Notifier& notifier, plat::Hwnd mainWindow, int messageId);
// The same with a text that has no number.
int ShowDriverText(base::Notifier& notifier, plat::Hwnd mainWindow, const char* text);

}  // namespace driver
