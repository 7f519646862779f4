#include "betclient/client.h"

#include "betclient/client_app.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace betclient {

void runClient(const std::string& exePath, const ClientBehaviour& behaviour) {
    const std::size_t separator = sjis::lastSeparator(exePath);
    const std::string directory =
        separator == std::string::npos ? plat::programDirectory() : exePath.substr(0, separator + 1);
    const plat::LocalTime today = plat::localTime(plat::now());
    // A broken "day.txt" leaves the centre on its generated day; the client
    // has nobody to tell.
    std::string dayError;
    ClientApp app(directory, centre::Centre::open(directory, today.year, today.month, today.day, dayError),
                  behaviour);
    if (!app.start()) return;
    plat::Msg msg;
    while (plat::getMessage(msg)) plat::dispatchMessage(msg);
}

}  // namespace betclient
