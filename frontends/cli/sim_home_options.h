// The options with which every `ornel sim ...` operation sets up its
// simulated home: --home DIR, --now "YYYY-MM-DD HH:MM", --seed S,
// --scale X, --fault NAME (repeatable) and --ideal.
#pragma once

#include <string>

#include "frontends/cli/option_reader.h"
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
    // After the last argument: --home is required; without --now the home
    // starts at the current time.
    bool complete(std::string& error);

private:
    simhome::SimHomeOptions& home_;
    bool hasNow_ = false;
};

}  // namespace cli
