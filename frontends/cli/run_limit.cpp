#include "frontends/cli/run_limit.h"

#include "base/settings_keys.h"

namespace cli {

namespace {

constexpr std::int64_t kMsPerMinute = 60'000;
constexpr std::int64_t kMinutesPerHour = 60;

std::string duration(std::int64_t ms) {
    const std::int64_t minutes = ms / kMsPerMinute;
    if (minutes % kMinutesPerHour != 0) return std::to_string(minutes) + " minutes";
    const std::int64_t hours = minutes / kMinutesPerHour;
    return std::to_string(hours) + (hours == 1 ? " hour" : " hours");
}

}  // namespace

std::string didNotEnd(const std::string& what, std::int64_t limitMs, const std::optional<base::Settings>& settings) {
    std::string text = what + " did not end within " + duration(limitMs) + " of virtual time and was stopped";
    if (!settings) return text;
    return text + "; the driver's waits from the home's profile: " + base::keys::kMessageWait + " " +
           std::to_string(settings->messageWait) + " ms, " + base::keys::kActionWait + " " +
           std::to_string(settings->actionWait) + " ms, " + base::keys::kWindowOpenWait + " " +
           std::to_string(settings->windowOpenWait) + " s";
}

}  // namespace cli
