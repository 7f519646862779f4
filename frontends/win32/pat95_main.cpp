// Pat95.exe: the replacement betting client as a Windows program.  Its
// directory holds its files, its centre's state and ledger
// ("centre-state.txt"), as on the simulated desktop.
#include <windows.h>

#include "betclient/client.h"
#include "platform/files.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    betclient::runClient(plat::programFileName());
    return 0;
}
