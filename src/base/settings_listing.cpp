#include "base/settings_listing.h"

#include <span>

#include "base/settings_fields.h"
#include "base/settings_keys.h"

namespace base {

namespace {

using namespace keys;

// Labels of the decoded credentials in the listing.
constexpr const char* kUserIdLabel = "User ID";
constexpr const char* kPasswordLabel = "Password";

// Section "Define" in table order, in groups around the credential keys
// (listed separately, see ListSettings).
constexpr Field kTablePaths[] = {
    textField(kAnnaiWaveFile, &Settings::annaiWaveFile),
    textField(kBetFileDir, &Settings::betFileDir),
    textField(kPat95Dir, &Settings::pat95Dir),
    textField(kTargetDir, &Settings::targetDir),
};
constexpr Field kAutoModeTimes[] = {
    intField(kHaraimodoshiInfoGetTime, &Settings::haraimodoshiInfoGetTime),
    intField(kAutoExitTime, &Settings::autoExitTime),
};

void listLine(std::string& out, const char* label, const std::string& value) {
    out += label;
    out += '=';
    out += value;
    out += '\n';
}

void listFields(std::string& out, std::span<const Field> fields, const Settings& s) {
    for (const Field& f : fields) listLine(out, f.key, f.number ? std::to_string(s.*f.number) : s.*f.text);
}

}  // namespace

std::string ListSettings(const Settings& settings, bool showCredentials) {
    std::string out;
    listFields(out, kTimingFields, settings);
    listFields(out, kTablePaths, settings);
    if (showCredentials) {
        listLine(out, kUserIdLabel, settings.userId);
        listLine(out, kPasswordLabel, settings.password);
    }
    listFields(out, kSwitchFields, settings);
    listFields(out, kAutoModeTimes, settings);
    listFields(out, kFhwarsFields, settings);
    listFields(out, kDbmnFields, settings);
    listFields(out, kKeptTextFields, settings);
    listFields(out, kModemFields, settings);
    return out;
}

}  // namespace base
