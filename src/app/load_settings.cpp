#include "app/load_settings.h"

#include "app/credentials.h"
#include "app/settings_fields.h"
#include "app/settings_keys.h"

namespace app {

namespace {

using namespace keys;

constexpr Field kOptionInts[] = {
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
};

constexpr Field kTimingInts[] = {
    intField(kAutoExitTime, &Settings::autoExitTime),
    intField(kActionWait, &Settings::actionWait),
    intField(kMessageWait, &Settings::messageWait),
    intField(kWindowOpenWait, &Settings::windowOpenWait),
    intField(kBetFileWatchDistance, &Settings::betFileWatchDistance),
    intField(kShimekiriMae, &Settings::shimekiriMae),
};

// The plain credential keys are read into the in-memory ID and password.
constexpr Field kTexts[] = {
    textField(kBetFileDir, &Settings::betFileDir),
    textField(kPat95Dir, &Settings::pat95Dir),
    textField(kTargetDir, &Settings::targetDir),
    textField(kAnnaiWaveFile, &Settings::annaiWaveFile),
    textField(kPatId, &Settings::userId),
    textField(kPatPassWord, &Settings::password),
};

// Texts that other parts of the program read again at their own moments;
// they are held here so that the whole profile is in memory.
constexpr Field kKeptTexts[] = {
    textField(kCurrentInfo, &Settings::currentInfo),
    textField(kFramePos, &Settings::framePos),
};

// The generator behind the default payout minute: the linear congruential
// generator given as the example rand() of the C standard (multiplier
// 1103515245, increment 12345, 15-bit result).  Small, fixed and the same on
// every platform, so a given start time always yields the same minute.
class SampleRand {
public:
    explicit SampleRand(std::uint32_t seed) : next_(seed) {}
    int draw() {
        next_ = next_ * 1103515245u + 12345u;
        return static_cast<int>((next_ / 65536u) % 32768u);
    }

private:
    std::uint32_t next_;
};

}  // namespace

int DefaultPayoutTime(std::int64_t nowSeconds) {
    std::int64_t seed = nowSeconds % 100;
    if (seed < 0) seed += 100;
    SampleRand rand(static_cast<std::uint32_t>(seed));
    return kPayoutTimeBase + rand.draw() % 10;
}

void LoadSettings(ProfileStore& store, Settings& settings, std::int64_t nowSeconds) {
    Settings s;
    readFields(store, kSectionDefine, kOptionInts, s);

    s.haraimodoshiInfoGetTime =
        store.getInt(kSectionDefine, kHaraimodoshiInfoGetTime, DefaultPayoutTime(nowSeconds));

    readFields(store, kSectionDefine, kTimingInts, s);
    if (static_cast<unsigned>(s.betFileWatchDistance) < kMinBetFileWatchDistance) {
        s.betFileWatchDistance = static_cast<int>(kMinBetFileWatchDistance);
        store.writeInt(kSectionDefine, kBetFileWatchDistance, s.betFileWatchDistance);
    }

    readFields(store, kSectionDefine, kTexts, s);
    if (!s.password.empty()) {
        // Plain credentials from an older profile: keep them and store the code.
        StoreCredentials(store, s);
    } else {
        std::string code = store.getString(kSectionDefine, kPatCode, "");
        // A damaged code is treated as absent; the profile is left as it is.
        if (!code.empty()) DecodeCredentials(code, s.userId, s.password);
    }

    readFields(store, kSectionDefine, kFhwarsFields, s);
    readFields(store, kSectionDefine, kDbmnFields, s);
    readFields(store, kSectionDefine, kKeptTexts, s);
    readFields(store, kSectionPatDefine, kModemFields, s);
    settings = std::move(s);
}

}  // namespace app
