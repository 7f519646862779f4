// The `ornel` command's sub-commands.  Each takes the arguments after its
// name and returns the process exit status.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/strings.h"

namespace cli {

using Args = std::vector<std::string>;

// Exit statuses of every sub-command.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // the operation ran and failed (`ornel sim`: result -1)
constexpr int kExitUsage = 2;   // bad arguments, an unreadable file, a home that cannot be used

struct Command {
    const char* name;
    const char* usage;  // the arguments, one line, shown by `ornel --help`
    const char* help;   // what `ornel NAME --help` adds: what it does, option by option
    int (*run)(const Args& args);
    // Commands that group operations (`ornel sim connect`): the operations.
    const std::vector<Command>& (*operations)() = nullptr;
};

// Every sub-command, in the order `ornel --help` lists them.
const std::vector<Command>& commands();
// The sub-commands only the backend's own `ornel` has (on the simulated
// desktop: `run` and `sim`); defined by the backend's front end.
const std::vector<Command>& backendCommands();
// Runs the program as a user meets it, its main window, and returns the exit
// status: on Windows on its desktop (ornel.exe), here in the terminal on the
// simulated desktop (`ornel run`).
int runMainWindow();
// Makes the standard streams pass bytes as they are, so the output is the
// same on every backend (on Windows they would turn "\n" into CR LF);
// defined by the backend's front end.
void useBinaryStandardStreams();

// Runs command (named `name` in messages, "sim bet" for an operation) on
// args: an operation of it when args start with one's name, its help when
// args hold --help or -h, else the command itself.
int runCommand(const Command& command, const std::string& name, const Args& args);

// Prints the usage (and with full the help text) of a command to out.
void printCommandHelp(std::FILE* out, const Command& command, const std::string& name, bool full);

// "ornel NAME: reason; see ornel NAME --help" on standard error; returns
// kExitUsage.  For arguments the command cannot take.
int usageError(const std::string& name, const std::string& reason);
// "ornel NAME: reason" on standard error; returns kExitUsage.  For files and
// homes that cannot be used.
int commandError(const std::string& name, const std::string& reason);
// The same message; returns kExitFailed.  For an operation that ran and
// failed without a result to print.
int operationFailed(const std::string& name, const std::string& reason);

using base::kVersionText;

}  // namespace cli
