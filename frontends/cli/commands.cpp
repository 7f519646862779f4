#include "frontends/cli/commands.h"

namespace cli {

// Defined in the command's own file.
extern const Command kParseCommand;
extern const Command kSettingsCommand;
extern const Command kTermsCommand;
extern const Command kImportCommand;
extern const Command kLoadCommand;
extern const Command kNextBetCommand;

const std::vector<Command>& commands() {
    static const std::vector<Command> table = [] {
        std::vector<Command> all = {kParseCommand, kSettingsCommand};
        for (const Command& c : backendCommands()) all.push_back(c);
        for (const Command& c : {kTermsCommand, kImportCommand, kLoadCommand, kNextBetCommand}) all.push_back(c);
        return all;
    }();
    return table;
}

}  // namespace cli
