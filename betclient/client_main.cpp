#include "betclient/client.h"

#include <optional>

#include "betclient/client_app.h"
#include "betclient/messages.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace betclient {

void runClient(const std::string& exePath, const ClientBehaviour& behaviour) {
    const std::size_t separator = sjis::lastSeparator(exePath);
    const std::string directory =
        separator == std::string::npos ? plat::programDirectory() : exePath.substr(0, separator + 1);
    const plat::LocalTime today = plat::localTime(plat::now());
    // A broken "day.txt" leaves the centre on its generated day; the client
    // has nobody to tell.  A state file that cannot be read would lose the
    // day's bets if it were written over: the client says so and does not
    // start.
    std::string error;
    std::optional<centre::Centre> centre =
        centre::Centre::open(directory, today.year, today.month, today.day, error);
    if (!centre) {
        plat::messageBox(0, directory + error, text::kErrorCaption, plat::MB_OK | plat::MB_ICONHAND);
        return;
    }
    ClientApp app(directory, std::move(*centre), behaviour);
    if (!app.start()) return;
    plat::Msg msg;
    while (plat::getMessage(msg)) plat::dispatchMessage(msg);
}

}  // namespace betclient
