#include "frontends/cli/sim_home_options.h"

#include <cstdlib>

#include "betclient/faults.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr double kSmallestScale = 0.5;  // what the client draws
constexpr double kLargestScale = 3.0;

bool wholeNumber(const std::string& text, unsigned long long& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return true;
}

// A fault line's name: up to '=' or a blank.
std::string faultName(const std::string& line) { return line.substr(0, line.find_first_of("= ")); }

}  // namespace

HomeOption SimHomeOptionReader::take(OptionReader& options, std::string& error) {
    const std::string a = options.current();
    std::string v;
    if (a == "--home") return options.value(home_.home, error) ? HomeOption::Taken : HomeOption::Invalid;
    if (a == "--now") {
        if (!options.localTimeValue(home_.startTime, error)) return HomeOption::Invalid;
        hasNow_ = true;
        return HomeOption::Taken;
    }
    if (a == "--seed") {
        unsigned long long seed = 0;
        if (!options.value(v, error)) return HomeOption::Invalid;
        if (!wholeNumber(v, seed)) {
            error = "--seed takes a whole number";
            return HomeOption::Invalid;
        }
        home_.seed = seed;
        return HomeOption::Taken;
    }
    if (a == "--scale") {
        if (!options.value(v, error)) return HomeOption::Invalid;
        char* end = nullptr;
        const double scale = std::strtod(v.c_str(), &end);
        if (v.empty() || *end != '\0' || scale < kSmallestScale || scale > kLargestScale) {
            error = "--scale takes a number from 0.5 to 3";
            return HomeOption::Invalid;
        }
        home_.faults.push_back("scale=" + v);
        return HomeOption::Taken;
    }
    if (a == "--ideal") {
        home_.idealClient = true;
        return HomeOption::Taken;
    }
    if (a == "--fault") {
        if (!options.value(v, error)) return HomeOption::Invalid;
        if (!betclient::isKnownFault(faultName(v))) {
            error = "unknown fault " + v;
            return HomeOption::Invalid;
        }
        home_.faults.push_back(v);
        return HomeOption::Taken;
    }
    return HomeOption::NotHome;
}

bool SimHomeOptionReader::complete(std::string& error) {
    if (home_.home.empty()) {
        error = "--home DIR is required";
        return false;
    }
    if (!hasNow_) home_.startTime = plat::now();
    return true;
}

}  // namespace cli
