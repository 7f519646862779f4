#include "frontends/simhome/client_install.h"

#include <filesystem>
#include <fstream>

#include "betclient/centre/day_text.h"
#include "betclient/client.h"
#include "betclient/faults.h"

namespace simhome {

namespace {

// What the executable holds on this platform: only a name to open.
constexpr const char* kExeMarker = "MZ replacement betting client\r\n";

bool writeHostFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

void registerClientProgram(sim::Desktop& desktop, const betclient::ClientBehaviour& behaviour) {
    desktop.registerProgram(kClientProgram, kClientFilePattern,
                            [behaviour](const std::string& exePath) { betclient::runClient(exePath, behaviour); });
}

std::string installClient(sim::Desktop& desktop, const std::string& clientDir, const ClientInstallOptions& options) {
    std::string dir = clientDir;
    if (dir.empty() || dir.back() != '/') dir += '/';
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    const std::string exePath = dir + kClientExeName;
    if (!writeHostFile(exePath, kExeMarker)) return {};
    if (!options.dayText.empty() && !writeHostFile(dir + centre::kDayFileName, options.dayText)) return {};

    bool ok = true;
    desktop.call("installer", [&] {
        if (!options.faults.empty()) ok = betclient::writeFaults(dir, options.faults) && ok;
        if (options.registryConfig) ok = centre::installClientConfig(options.modem) && ok;
    });
    if (!ok) return {};
    registerClientProgram(desktop, options.behaviour);
    return exePath;
}

}  // namespace simhome
