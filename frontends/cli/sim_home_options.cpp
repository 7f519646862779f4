#include "frontends/cli/sim_home_options.h"

#include <cstdlib>
#include <limits>

#include "betclient/faults.h"
#include "platform/clock.h"

namespace cli {

namespace {

// The scales at which Ornel can operate the client.  The client draws its
// forms from 0.5 to 3 times their size, but from about 1.63 on its bracket
// grid is 20 pixels or more high, and the driver, which tells the bracket
// grid by its single row under 20 pixels, cannot enter a 枠連 bet.
constexpr double kSmallestScale = 0.5;
constexpr double kLargestScale = 1.6;

// A fault line's name: up to '=' or a blank.
std::string faultName(const std::string& line) { return line.substr(0, line.find_first_of("= ")); }

}  // namespace

HomeOption SimHomeOptionReader::take(OptionReader& options, std::string& error) {
    const std::string a = options.current();
    std::string v;
    if (a == "--home") return options.value(home_.home, error) ? HomeOption::Taken : HomeOption::Invalid;
    if (a == "--now" && takesNow_) {
        if (!options.localTimeValue(home_.startTime, error)) return HomeOption::Invalid;
        hasNow_ = true;
        return HomeOption::Taken;
    }
    if (a == "--seed") {
        std::uint64_t seed = 0;
        if (!options.wholeNumberValue(0, std::numeric_limits<std::uint64_t>::max(), seed, error))
            return HomeOption::Invalid;
        home_.seed = seed;
        return HomeOption::Taken;
    }
    if (a == "--scale") {
        if (!options.value(v, error)) return HomeOption::Invalid;
        char* end = nullptr;
        const double scale = std::strtod(v.c_str(), &end);
        // Written so that "nan" fails too.
        if (v.empty() || *end != '\0' || !(scale >= kSmallestScale && scale <= kLargestScale)) {
            error = "--scale takes a number from 0.5 to 1.6 (larger forms cannot take 枠連 bets), not \"" + v + "\"";
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
            error = "unknown fault " + v + " (ornel sim --faults lists them)";
            return HomeOption::Invalid;
        }
        home_.faults.push_back(v);
        return HomeOption::Taken;
    }
    return HomeOption::NotHome;
}

bool ReadSimOperationOptions(const Args& args, SimHomeOptionReader& home, TerminalEncoding& encoding,
                             std::string& error, const OwnOptions& own) {
    OptionReader options(args);
    while (options.next()) {
        HomeOption taken = home.take(options, error);
        if (taken == HomeOption::NotHome && encoding.take(options.current())) continue;
        if (taken == HomeOption::NotHome && own) taken = own(options, error);
        if (taken == HomeOption::Invalid) return false;
        if (taken == HomeOption::NotHome) {
            error = options.notTaken();
            return false;
        }
    }
    return home.complete(error) && encoding.complete(error);
}

bool SimHomeOptionReader::complete(std::string& error) {
    if (home_.home.empty()) {
        error = missingOption("--home DIR");
        return false;
    }
    if (!hasNow_) home_.startTime = plat::now();
    return true;
}

}  // namespace cli
