#include "frontends/cli/commands.h"

#include <algorithm>

#include "frontends/cli/cli_text.h"
#include "frontends/cli/terminal_encoding.h"

namespace cli {

// Defined in the command's own file.
extern const Command kParseCommand;
extern const Command kSettingsCommand;
extern const Command kSimCommand;
extern const Command kTermsCommand;
extern const Command kImportCommand;
extern const Command kLoadCommand;
extern const Command kNextBetCommand;
extern const Command kReportCommand;
extern const Command kRaceCardCommand;
extern const Command kTimerBetCommand;

namespace {

constexpr const char* kHelpOptions[] = {"--help", "-h"};

bool asksForHelp(const Args& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return std::find(std::begin(kHelpOptions), std::end(kHelpOptions), a) != std::end(kHelpOptions);
    });
}

}  // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        kRunCommand,
        kParseCommand,
        kSettingsCommand,
        kSimCommand,
        kTermsCommand,
        kImportCommand,
        kLoadCommand,
        kNextBetCommand,
        kReportCommand,
        kRaceCardCommand,
        kTimerBetCommand,
    };
    return table;
}

int runCommand(const Command& command, const std::string& name, const Args& args) {
    if (command.operations && !args.empty()) {
        for (const Command& operation : command.operations())
            if (args[0] == operation.name)
                return runCommand(operation, name + " " + operation.name, Args(args.begin() + 1, args.end()));
    }
    if (asksForHelp(args)) {
        printCommandHelp(stdout, command, name, true);
        return kExitOk;
    }
    return command.run(args);
}

void printCommandHelp(std::FILE* out, const Command& command, const std::string& name, bool full) {
    const char* lead = full ? "usage: " : "       ";
    if (command.operations) {
        for (const Command& operation : command.operations()) {
            std::fprintf(out, "%sornel %s %s %s\n", lead, name.c_str(), operation.name, operation.usage);
            lead = "       ";
        }
    }
    if (*command.usage || !command.operations) std::fprintf(out, "%sornel %s %s\n", lead, name.c_str(), command.usage);
    // The help texts are Shift-JIS, as every literal.
    if (full) std::fprintf(out, "\n%s", outputText(command.help, localeIsUtf8()).c_str());
}

int usageError(const std::string& name, const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s; see ornel %s --help\n", name.c_str(), reason.c_str(), name.c_str());
    return kExitUsage;
}

int commandError(const std::string& name, const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", name.c_str(), reason.c_str());
    return kExitUsage;
}

int operationFailed(const std::string& name, const std::string& reason) {
    commandError(name, reason);
    return kExitFailed;
}

}  // namespace cli
