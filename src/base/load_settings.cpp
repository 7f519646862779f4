#include "base/load_settings.h"

#include "base/credentials.h"
#include "base/settings_fields.h"
#include "base/settings_keys.h"

namespace base {

namespace {

using namespace keys;

// The plain credential keys are read into the in-memory ID and password.
constexpr Field kPlainCredentials[] = {
    textField(kPatId, &Settings::userId),
    textField(kPatPassWord, &Settings::password),
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
    readFields(store, kSectionDefine, kSwitchFields, s);

    s.haraimodoshiInfoGetTime =
        store.getInt(kSectionDefine, kHaraimodoshiInfoGetTime, DefaultPayoutTime(nowSeconds));

    s.autoExitTime = store.getInt(kSectionDefine, kAutoExitTime, s.autoExitTime);
    readFields(store, kSectionDefine, kTimingFields, s);
    if (static_cast<unsigned>(s.betFileWatchDistance) < kMinBetFileWatchDistance) {
        s.betFileWatchDistance = static_cast<int>(kMinBetFileWatchDistance);
        store.writeInt(kSectionDefine, kBetFileWatchDistance, s.betFileWatchDistance);
    }

    readFields(store, kSectionDefine, kPathFields, s);
    readFields(store, kSectionDefine, kPlainCredentials, s);
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
    readFields(store, kSectionDefine, kKeptTextFields, s);
    readFields(store, kSectionPatDefine, kModemFields, s);
    settings = std::move(s);
}

}  // namespace base
