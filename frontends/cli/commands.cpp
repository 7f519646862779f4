#include "frontends/cli/commands.h"

namespace cli {

// Defined in the command's own file.
extern const Command kParseCommand;
extern const Command kSettingsCommand;

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        kParseCommand,
        kSettingsCommand,
    };
    return table;
}

}  // namespace cli
