// The options with which every `ornel sim ...` operation sets up its
// simulated home: --home DIR, --now "YYYY-MM-DD HH:MM", --seed S,
// --scale X, --fault NAME (repeatable) and --ideal.
#pragma once

#include <functional>
#include <string>

#include "frontends/cli/option_reader.h"
#include "frontends/cli/terminal_encoding.h"
#include "frontends/simhome/sim_home.h"

namespace cli {

enum class HomeOption {
    Taken,     // the current argument (and its value) went into the home options
    NotHome,   // another option: the operation reads it itself
    Invalid,   // a home option with a bad or missing value; error says why
};

class SimHomeOptionReader {
public:
    explicit SimHomeOptionReader(simhome::SimHomeOptions& home) : home_(home) {}

    HomeOption take(OptionReader& options, std::string& error);
    // --now is not taken (the operation sets the start itself).
    void refuseNow() { takesNow_ = false; }
    // After the last argument: --home is required; without --now the home
    // starts at the current time.
    bool complete(std::string& error);

private:
    simhome::SimHomeOptions& home_;
    bool hasNow_ = false;
    bool takesNow_ = true;
};

// Reads the arguments of a sim operation: the home options and --utf8 or
// --sjis, and every other argument through `own` (the operation's own
// options and operands), which answers Taken, NotHome when it does not take
// the argument either (a usage error) or Invalid with error set.  Then
// completes the home options and the encoding.
using OwnOptions = std::function<HomeOption(OptionReader& options, std::string& error)>;
bool ReadSimOperationOptions(const Args& args, SimHomeOptionReader& home, TerminalEncoding& encoding,
                             std::string& error, const OwnOptions& own = {});

}  // namespace cli
