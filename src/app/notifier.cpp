#include "app/notifier.h"

#include "app/strings.h"
#include "platform/dialog.h"

namespace app {

int Notifier::message(int id, plat::Uint type) {
    const char* t = messageText(id);
    return show(t ? t : "", type, static_cast<plat::Uint>(id));
}

int MessageBoxNotifier::show(const std::string& text, plat::Uint type, plat::Uint id) {
    return plat::messageBox(owner_, text, kProgramCaption, type, id);
}

void MessageBoxNotifier::beep(plat::Uint type) { plat::messageBeep(type); }

}  // namespace app
