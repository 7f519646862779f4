// The `ornel` command's sub-commands.  Each takes the arguments after its
// name and returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;  // one line, shown by `ornel --help`
    int (*run)(const Args& args);
};

// Every sub-command, in the order `ornel --help` lists them.
const std::vector<Command>& commands();

constexpr const char* kVersionText = "Ornel Version 1.21a";

}  // namespace cli
