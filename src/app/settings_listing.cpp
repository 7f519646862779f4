#include "app/settings_listing.h"

#include <span>

#include "app/settings_fields.h"
#include "app/settings_keys.h"

namespace app {

namespace {

using namespace keys;

// Labels of the decoded credentials in the listing.
constexpr const char* kUserIdLabel = "User ID";
constexpr const char* kPasswordLabel = "Password";

// Section "Define" in table order; the three credential keys are listed
// separately (see ListSettings).
constexpr Field kBeforeCredentials[] = {
    intField(kActionWait, &Settings::actionWait),
    intField(kMessageWait, &Settings::messageWait),
    intField(kWindowOpenWait, &Settings::windowOpenWait),
    intField(kBetFileWatchDistance, &Settings::betFileWatchDistance),
    intField(kShimekiriMae, &Settings::shimekiriMae),
    textField(kAnnaiWaveFile, &Settings::annaiWaveFile),
    textField(kBetFileDir, &Settings::betFileDir),
    textField(kPat95Dir, &Settings::pat95Dir),
    textField(kTargetDir, &Settings::targetDir),
};
constexpr Field kAfterCredentials[] = {
    intField(kAccInp, &Settings::accInp),
    intField(kAutoPat, &Settings::autoPat),
    intField(kSkipAnn, &Settings::skipAnn),
    intField(kSkipCyuui, &Settings::skipCyuui),
    intField(kRenameSav, &Settings::renameSav),
    intField(kForceMode, &Settings::forceMode),
    intField(kForceTouhyo, &Settings::forceTouhyo),
    intField(kAutoMode, &Settings::autoMode),
    intField(kLimitTime, &Settings::limitTime),
    intField(kLimitRace, &Settings::limitRace),
    intField(kBetDivideUnit, &Settings::betDivideUnit),
    intField(kHaraimodoshiInfoGetTime, &Settings::haraimodoshiInfoGetTime),
    intField(kAutoExitTime, &Settings::autoExitTime),
};
constexpr Field kLast[] = {
    textField(kCurrentInfo, &Settings::currentInfo),
    textField(kFramePos, &Settings::framePos),
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
    listFields(out, kBeforeCredentials, settings);
    if (showCredentials) {
        listLine(out, kUserIdLabel, settings.userId);
        listLine(out, kPasswordLabel, settings.password);
    }
    listFields(out, kAfterCredentials, settings);
    listFields(out, kFhwarsFields, settings);
    listFields(out, kDbmnFields, settings);
    listFields(out, kLast, settings);
    listFields(out, kModemFields, settings);
    return out;
}

}  // namespace app
