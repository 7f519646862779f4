// The client's configuration in the registry: the modem it dials with.
#pragma once

#include <cstdint>
#include <string>

namespace centre {

constexpr const char* kConfigKey = ".Default\\Software\\JRA\\Pat for Win95\\Config";
constexpr const char* kModemNameValue = "Modem Name";
constexpr const char* kLineDeviceValue = "Line Device";

struct ModemConfig {
    std::string modemName = "標準 28800 bps モデム";
    std::uint32_t lineDevice = 0;
};

// Creates the key (as the client's installer does) and writes both values:
// "Modem Name" as a string with its terminating zero, "Line Device" as four
// bytes, least significant first.
bool installClientConfig(const ModemConfig& config);
// Reads both values; false when either is missing or malformed.
bool readClientConfig(ModemConfig& config);

}  // namespace centre
