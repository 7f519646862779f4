#include "frontends/cli/commands.h"

namespace cli {

// Defined in the command's own file.
extern const Command kParseCommand;
extern const Command kSettingsCommand;
extern const Command kSimCommand;
extern const Command kTermsCommand;
extern const Command kImportCommand;
extern const Command kLoadCommand;
extern const Command kNextBetCommand;

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        kParseCommand,
        kSettingsCommand,
        kSimCommand,
        kTermsCommand,
        kImportCommand,
        kLoadCommand,
        kNextBetCommand,
    };
    return table;
}

}  // namespace cli
