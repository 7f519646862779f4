#include "frontends/cli/commands.h"

namespace cli {

// Defined in the command's own file.
extern const Command kParseCommand;
extern const Command kSettingsCommand;
extern const Command kTermsCommand;

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        kParseCommand,
        kSettingsCommand,
        kTermsCommand,
    };
    return table;
}

}  // namespace cli
