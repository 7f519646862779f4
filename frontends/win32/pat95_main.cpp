// Pat95.exe: the replacement betting client as a Windows program.  Its
// directory holds its files, its centre's state and ledger
// ("centre-state.txt"), as on the simulated desktop.
// The project's headers before <windows.h>, whose macros have the names
// of the platform API's constants.
#include "betclient/client.h"
#include "platform/files.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    betclient::runClient(plat::programFileName());
    return 0;
}
