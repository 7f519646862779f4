#include "driver/driver_message.h"

#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

void comeForward(plat::Hwnd mainWindow) {
    plat::sleep(kDriverMessagePauseMs);
    if (mainWindow != 0) plat::setForegroundWindow(mainWindow);
}

}  // namespace

int ShowDriverMessage(base::Notifier& notifier, plat::Hwnd mainWindow, int messageId) {
    comeForward(mainWindow);
    return notifier.message(messageId, plat::MB_OK);
}

int ShowDriverText(base::Notifier& notifier, plat::Hwnd mainWindow, const char* text) {
    comeForward(mainWindow);
    return notifier.text(text, plat::MB_OK);
}

}  // namespace driver
