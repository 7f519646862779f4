// The replacement betting client as a program on the platform API.
#pragma once

#include <string>

#include "betclient/client_timing.h"

namespace betclient {

// The client's main: its directory is the directory of exePath; it opens
// the betting centre for today's date (local time) and runs until the user
// ends it.  Returns at once when a client already runs on the desktop.  The
// behaviour says whether it is the strict client (the default) or the
// ideal one, and seeds the strict client's timing.
void runClient(const std::string& exePath, const ClientBehaviour& behaviour = {});

}  // namespace betclient
