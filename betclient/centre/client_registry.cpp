#include "betclient/centre/client_registry.h"

#include <vector>

#include "platform/registry.h"

namespace centre {

namespace {
constexpr plat::RegRoot kRoot = plat::RegRoot::Users;
constexpr std::size_t kLineDeviceBytes = 4;
}  // namespace

bool installClientConfig(const ModemConfig& config) {
    if (!plat::regCreateKey(kRoot, kConfigKey)) return false;
    std::vector<std::uint8_t> name(config.modemName.begin(), config.modemName.end());
    name.push_back(0);
    std::vector<std::uint8_t> device(kLineDeviceBytes);
    for (std::size_t i = 0; i < kLineDeviceBytes; ++i)
        device[i] = static_cast<std::uint8_t>(config.lineDevice >> (8 * i));
    return plat::regWrite(kRoot, kConfigKey, kModemNameValue, plat::REG_SZ, name) &&
           plat::regWrite(kRoot, kConfigKey, kLineDeviceValue, plat::REG_BINARY, device);
}

bool readClientConfig(ModemConfig& config) {
    std::vector<std::uint8_t> name, device;
    plat::Dword nameType = 0, deviceType = 0;
    if (!plat::regRead(kRoot, kConfigKey, kModemNameValue, name, nameType) || nameType != plat::REG_SZ ||
        !plat::regRead(kRoot, kConfigKey, kLineDeviceValue, device, deviceType) ||
        deviceType != plat::REG_BINARY || device.size() != kLineDeviceBytes)
        return false;
    std::string text(name.begin(), name.end());
    config.modemName = text.substr(0, text.find('\0'));
    config.lineDevice = 0;
    for (std::size_t i = 0; i < kLineDeviceBytes; ++i)
        config.lineDevice |= static_cast<std::uint32_t>(device[i]) << (8 * i);
    return true;
}

}  // namespace centre
