#include "frontends/cli/sim_command.h"

#include <cstdio>

#include "betclient/faults.h"

namespace cli {

namespace {

constexpr const char* kName = "sim";
constexpr const char* kFaultsOption = "--faults";

const std::vector<Command>& simOperations() {
    static const std::vector<Command> operations = {kSimConnectCommand, kSimBetCommand, kSimPayoutCommand,
                                                    kSimRaceCardsCommand, kSimDayCommand, kSimScriptCommand,
                                                    kSimCampaignCommand};
    return operations;
}

// The client's fault catalogue, one fault a line: name, kind, what it does.
void printFaults() {
    for (const betclient::FaultInfo& f : betclient::kFaultCatalogue)
        std::printf("%-16.*s %-9s %s\n", static_cast<int>(f.name.size()), f.name.data(),
                    f.oneShot ? "one-shot" : "standing", f.description);
}

int runSim(const Args& args) {
    if (args.size() == 1 && args[0] == kFaultsOption) {
        printFaults();
        return kExitOk;
    }
    if (args.empty())
        return usageError(kName,
                          "name an operation (connect, bet, payout, racecards, day, script, campaign) or --faults");
    return usageError(kName, (args[0].size() > 1 && args[0][0] == '-' ? "unknown option " : "unknown operation ") +
                                 args[0]);
}

const Command kSimCommand = {
    kName,
    "--faults",
    "Runs Ornel against the replacement betting client in a simulated home DIR: a\n"
    "desktop in virtual time whose drive is DIR, with the client in DIR/client and\n"
    "Ornel's profile DIR/WINDOWS/Ornel.INI, both made on first use and kept.\n"
    "ornel sim OPERATION --help describes an operation.\n"
    "\n"
    "Every operation but campaign takes:\n"
    "  --home DIR     the simulated home (required)\n"
    "  --now TIME     virtual time starts at \"YYYY-MM-DD HH:MM\" (default: now); a\n"
    "                 new home's client gets a generated day for that date\n"
    "  --seed S       the seed of the generated day (a whole number)\n"
    "  --scale X      the client's forms drawn X times their design size (0.5 to 1.6)\n"
    "  --fault NAME   a fault of the client for this run (repeatable)\n"
    "  --ideal        the ideal client, which does everything at once, instead of the\n"
    "                 strict one, which takes its time as a real client does (its\n"
    "                 timing seeded by --seed)\n"
    "  --utf8         UTF-8 output whatever the locale\n"
    "  --sjis         Shift-JIS output whatever the locale\n"
    "\n"
    "  --faults       lists the client's faults: name, standing or one-shot, effect\n",
    runSim,
    simOperations,
};

}  // namespace

// `ornel run`, the program in the terminal; defined by the terminal front end.
extern const Command kRunCommand;

int runMainWindow() { return runCommand(kRunCommand, kRunCommand.name, {}); }

// The host's streams already pass bytes as they are.
void useBinaryStandardStreams() {}

const std::vector<Command>& backendCommands() {
    static const std::vector<Command> table = {kRunCommand, kSimCommand};
    return table;
}

}  // namespace cli
