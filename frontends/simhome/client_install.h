// Installs the replacement betting client into a directory of a simulated
// desktop, as its installer would on Windows: the executable (a small
// marker file here), the client's registry configuration, and the program
// registered for "Pat95*.exe" so that opening the executable starts it.
// Optionally the day the centre plays ("day.txt") and faults ("faults.txt").
#pragma once

#include <string>
#include <vector>

#include "betclient/centre/client_registry.h"
#include "betclient/client_timing.h"
#include "platform/sim/desktop.h"

namespace simhome {

constexpr const char* kClientProgram = "Pat95";       // the program's name on the desktop
constexpr const char* kClientExeName = "Pat95.exe";
constexpr const char* kClientFilePattern = "Pat95*.exe";

struct ClientInstallOptions {
    std::string dayText;              // "day.txt" (Shift-JIS) when not empty
    std::vector<std::string> faults;  // lines of "faults.txt" when not empty
    bool registryConfig = true;       // write "Modem Name" and "Line Device"
    centre::ModemConfig modem;
    // The strict client by default; ideal: today's instant one.
    betclient::ClientBehaviour behaviour;
};

// Makes the directory if needed, writes the files, the registry values and
// registers the program.  Call from the harness (not from a simulated
// thread).  Returns the executable's full path, "" when a file could not be
// written.
std::string installClient(sim::Desktop& desktop, const std::string& clientDir,
                          const ClientInstallOptions& options = {});

// Registers the client for "Pat95*.exe" on the desktop (installClient does
// this; a desktop needs it once).
void registerClientProgram(sim::Desktop& desktop, const betclient::ClientBehaviour& behaviour = {});

}  // namespace simhome
