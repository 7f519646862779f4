#include "frontends/cli/sim_command.h"

#include <cstdio>

namespace cli {

namespace {

struct SimSubcommand {
    const char* name;
    int (*run)(const Args& args);
};

constexpr SimSubcommand kSimSubcommands[] = {
    {"connect", runSimConnect},
    {"bet", runSimBet},
    {"campaign", runSimCampaign},
};

int runSim(const Args& args) {
    if (!args.empty()) {
        for (const SimSubcommand& s : kSimSubcommands)
            if (args[0] == s.name) return s.run(Args(args.begin() + 1, args.end()));
    }
    std::fprintf(stderr, "ornel sim: name an operation:");
    for (const SimSubcommand& s : kSimSubcommands) std::fprintf(stderr, " %s", s.name);
    std::fprintf(stderr, "\n");
    return 2;
}

}  // namespace

extern const Command kSimCommand = {
    "sim",
    "sim connect --home DIR [--now \"YYYY-MM-DD HH:MM\"] [--mode N] [--seed S] [--scale X] "
    "[--fault NAME]... [--ideal] [--utf8]  |  sim bet --home DIR [--now \"YYYY-MM-DD HH:MM\"] [--seed S] "
    "[--scale X] [--fault NAME]... [--ideal] [--stop-after-lines N] [--utf8] FILE  |  "
    "sim campaign [--runs N] [--seed S] [--jobs J] [--replay SEED] [--utf8]",
    runSim,
};

}  // namespace cli
