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
// The sub-commands only the backend's own `ornel` has (on the simulated
// desktop: `sim`); defined by the backend's front end.
const std::vector<Command>& backendCommands();
// Makes the standard streams pass bytes as they are, so the output is the
// same on every backend (on Windows they would turn "\n" into CR LF);
// defined by the backend's front end.
void useBinaryStandardStreams();

constexpr const char* kVersionText = "Ornel Version 1.21a";

}  // namespace cli
