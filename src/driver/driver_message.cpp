#include "driver/driver_message.h"

#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

int ShowDriverMessage(base::Notifier& notifier, plat::Hwnd mainWindow, int messageId) {
    plat::sleep(kDriverMessagePauseMs);
    if (mainWindow != 0) plat::setForegroundWindow(mainWindow);
    return notifier.message(messageId, plat::MB_OK);
}

}  // namespace driver
