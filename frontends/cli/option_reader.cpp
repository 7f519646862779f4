#include "frontends/cli/option_reader.h"

#include <limits>

#include "frontends/cli/host_paths.h"
#include "frontends/cli/local_time_arg.h"

namespace cli {

bool OptionReader::value(std::string& out, std::string& error) {
    if (at_ + 1 >= args_.size()) {
        error = current() + " needs a value";
        return false;
    }
    out = args_[++at_];
    return true;
}

bool OptionReader::localTimeValue(std::int64_t& seconds, std::string& error) {
    const std::string option = current();
    std::string text;
    if (!value(text, error)) return false;
    if (parseLocalTimeArg(text, seconds)) return true;
    error = option + " takes \"YYYY-MM-DD HH:MM\", a day and time of the calendar, not \"" + text + "\"";
    return false;
}

bool OptionReader::wholeNumberValue(std::uint64_t lowest, std::uint64_t highest, std::uint64_t& number,
                                    std::string& error) {
    const std::string option = current();
    std::string text;
    if (!value(text, error)) return false;
    if (parseWholeNumber(text, highest, number) && number >= lowest) return true;
    error = option + " takes a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest) +
            ", not \"" + text + "\"";
    return false;
}

std::string OptionReader::notTaken() const {
    return (currentIsOption() ? "unknown option " : "unexpected argument ") + current();
}

std::string missingOption(const std::string& option) { return "missing required option " + option; }

bool parseWholeNumber(const std::string& text, std::uint64_t highest, std::uint64_t& number) {
    if (text.empty()) return false;
    std::uint64_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (digit > highest || n > (highest - digit) / 10) return false;  // n * 10 + digit would pass highest
        n = n * 10 + digit;
    }
    number = n;
    return true;
}

std::string fromWorkingDirectory(const std::string& path) {
    if (path.empty() || path == "-") return path;
    return absolutePath(path);
}

}  // namespace cli
