// The replacement betting client as a program on the platform API.
#pragma once

#include <string>

namespace betclient {

// The client's main: its directory is the directory of exePath; it opens
// the betting centre for today's date (local time) and runs until the user
// ends it.  Returns at once when a client already runs on the desktop.
void runClient(const std::string& exePath);

}  // namespace betclient
