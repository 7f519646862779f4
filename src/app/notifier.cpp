#include "app/notifier.h"

#include "app/strings.h"

namespace app {

int Notifier::message(int id, plat::Uint type) {
    const char* t = messageText(id);
    return show(t ? t : "", type, static_cast<plat::Uint>(id));
}

}  // namespace app
