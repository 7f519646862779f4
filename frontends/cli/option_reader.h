// Walking a sub-command's arguments: flags, options with a value, and
// plain arguments, with a one-line reason when a value is missing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "frontends/cli/commands.h"
#include "frontends/cli/local_time_arg.h"

namespace cli {

class OptionReader {
public:
    explicit OptionReader(const Args& args) : args_(args) {}

    // Moves to the next argument; false after the last.
    bool next() { return ++at_ < args_.size(); }
    const std::string& current() const { return args_[at_]; }
    // Takes the argument after the current option as its value; false, with
    // the reason in error, when there is none.
    bool value(std::string& out, std::string& error) {
        if (at_ + 1 >= args_.size()) {
            error = current() + " needs a value";
            return false;
        }
        out = args_[++at_];
        return true;
    }
    // The value as a local time "YYYY-MM-DD HH:MM" (seconds since 1970).
    bool localTimeValue(std::int64_t& seconds, std::string& error) {
        const std::string option = current();
        std::string text;
        if (!value(text, error)) return false;
        if (parseLocalTimeArg(text, seconds)) return true;
        error = option + " takes \"YYYY-MM-DD HH:MM\"";
        return false;
    }

private:
    const Args& args_;
    std::size_t at_ = static_cast<std::size_t>(-1);
};

}  // namespace cli
