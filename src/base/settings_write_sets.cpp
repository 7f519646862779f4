#include "base/settings_write_sets.h"

#include "base/credentials.h"
#include "base/settings_fields.h"
#include "base/settings_keys.h"

namespace base {

namespace {

using namespace keys;

// The options dialog writes "Auto Mode" last.
constexpr Field kOptionInts[] = {
    intField(kAccInp, &Settings::accInp),
    intField(kAutoPat, &Settings::autoPat),
    intField(kSkipAnn, &Settings::skipAnn),
    intField(kSkipCyuui, &Settings::skipCyuui),
    intField(kRenameSav, &Settings::renameSav),
    intField(kForceMode, &Settings::forceMode),
    intField(kForceTouhyo, &Settings::forceTouhyo),
    intField(kLimitTime, &Settings::limitTime),
    intField(kLimitRace, &Settings::limitRace),
    intField(kBetDivideUnit, &Settings::betDivideUnit),
    intField(kAutoMode, &Settings::autoMode),
};

}  // namespace

void WriteEnvironmentSettings(ProfileStore& store, const Settings& settings) {
    writeFields(store, kSectionDefine, kTimingFields, settings);
    StoreCredentials(store, settings);
    writeFields(store, kSectionDefine, kPathFields, settings);
}

void WriteOptionSettings(ProfileStore& store, const Settings& settings) {
    writeFields(store, kSectionDefine, kOptionInts, settings);
}

void WritePayoutTimeSetting(ProfileStore& store, const Settings& settings) {
    store.writeInt(kSectionDefine, kHaraimodoshiInfoGetTime, settings.haraimodoshiInfoGetTime);
}

void WriteAutoExitSetting(ProfileStore& store, const Settings& settings) {
    store.writeInt(kSectionDefine, kAutoExitTime, settings.autoExitTime);
}

void WriteFhwarsSettings(ProfileStore& store, const Settings& settings) {
    writeFields(store, kSectionDefine, kFhwarsFields, settings);
}

void WriteDbmnSettings(ProfileStore& store, const Settings& settings) {
    writeFields(store, kSectionDefine, kDbmnFields, settings);
}

void WriteModemSettings(ProfileStore& store, const Settings& settings) {
    writeFields(store, kSectionPatDefine, kModemFields, settings);
}

}  // namespace base
