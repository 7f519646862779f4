// Walking a sub-command's arguments: flags, options with a value, and
// plain arguments, with the reasons every command words alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "frontends/cli/commands.h"

namespace cli {

class OptionReader {
public:
    explicit OptionReader(const Args& args) : args_(args) {}

    // Moves to the next argument; false after the last.
    bool next() { return ++at_ < args_.size(); }
    const std::string& current() const { return args_[at_]; }
    // An option rather than a plain argument ("-" alone names standard input).
    bool currentIsOption() const { return current().size() > 1 && current()[0] == '-'; }

    // Takes the argument after the current option as its value; false, with
    // the reason in error, when there is none.
    bool value(std::string& out, std::string& error);
    // The value as a local time "YYYY-MM-DD HH:MM" (seconds since 1970) of a
    // day the calendar has.
    bool localTimeValue(std::int64_t& seconds, std::string& error);
    // The value as a whole number from lowest to highest (decimal digits only).
    bool wholeNumberValue(std::uint64_t lowest, std::uint64_t highest, std::uint64_t& number,
                          std::string& error);

    // The reason for an argument the command does not take: "unknown option
    // X" or "unexpected argument X".
    std::string notTaken() const;

private:
    const Args& args_;
    std::size_t at_ = static_cast<std::size_t>(-1);
};

// A path the user named, as the program must be
// given it: from the working directory ("" and "-" stay as they are; the
// program takes a relative path in its own directory).
std::string fromWorkingDirectory(const std::string& path);

// The reason for a required option that was not given ("--home DIR").
std::string missingOption(const std::string& option);

// Decimal digits only, within highest (no sign, no blanks, no overflow).
bool parseWholeNumber(const std::string& text, std::uint64_t highest, std::uint64_t& number);

}  // namespace cli
