#include "base/message_box_notifier.h"

#include "platform/dialog.h"

namespace base {

int MessageBoxNotifier::show(const std::string& text, plat::Uint type, plat::Uint id) {
    return plat::messageBox(owner_, text, kProgramCaption, type, id);
}

void MessageBoxNotifier::beep(plat::Uint type) { plat::messageBeep(type); }

}  // namespace base
