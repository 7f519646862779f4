#include "base/notifier.h"

#include "base/strings.h"

namespace base {

int Notifier::message(int id, plat::Uint type) {
    const char* t = messageText(id);
    return show(t ? t : "", type, static_cast<plat::Uint>(id));
}

}  // namespace base
