#include "driver/modem_setting.h"

#include <cstdint>
#include <vector>

#include "driver/modem_dialog.h"
#include "driver/registry_value.h"

namespace driver {

namespace {

struct ModemConfig {
    const std::string& name;
    int lineDevice;
    const std::string& number;
};

ModemConfig configuration(const base::Settings& s, int index) {
    if (index == 0) return {s.modemName1, s.lineDevice1, s.modemNumber1};
    return {s.modemName2, s.lineDevice2, s.modemNumber2};
}

// Least significant byte first, as the client stores it.
std::vector<std::uint8_t> lineDeviceBytes(int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::vector<std::uint8_t> bytes(kLineDeviceSize);
    for (std::size_t i = 0; i < kLineDeviceSize; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return bytes;
}

}  // namespace

void ApplyModemSetting(const base::Settings& settings, int index, DialingPrefixState& state) {
    const ModemConfig config = configuration(settings, index);
    RegSetText(kClientConfigRoot, kClientConfigKey, kModemNameValue, config.name);
    std::vector<std::uint8_t> device = lineDeviceBytes(config.lineDevice);
    RegValue(kClientConfigRoot, kClientConfigKey, kLineDeviceValue, device, kLineDeviceSize, RegMode::Write,
             plat::REG_BINARY);
    if (config.number.empty()) return;
    if (!state.restorePending) {
        state.savedPrefix.clear();
        RegText(kDialingRoot, kDialingKey, kLongDistanceValue, kRegTextBufferSize, state.savedPrefix);
    }
    RegSetText(kDialingRoot, kDialingKey, kLongDistanceValue, config.number);
    state.restorePending = true;
}

void RestoreDialingPrefix(DialingPrefixState& state) {
    if (!state.restorePending) return;
    RegSetText(kDialingRoot, kDialingKey, kLongDistanceValue, state.savedPrefix);
    state.savedPrefix.clear();
    state.restorePending = false;
}

void StartUpModemSetting(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                         DialingPrefixState& state) {
    if (settings.modemDialogAutoCloseSec > 0)
        EditModemSettings(owner, settings, profile, settings.modemDialogAutoCloseSec);
    if (settings.lineDefineUse1 == 1) {
        ApplyModemSetting(settings, 0, state);
    } else if (settings.lineDefineUse2 == 1) {
        ApplyModemSetting(settings, 1, state);
    }
}

}  // namespace driver
