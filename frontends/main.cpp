// The `ornel` executable: the program as a user meets it (no arguments:
// its main window; in the terminal here, on its desktop on Windows), usage,
// version and the batch sub-commands.
#include <cstdio>
#include <string>

#include "frontends/cli/commands.h"

namespace {

void printUsage(std::FILE* out) {
    std::fprintf(out, "%s\n\nusage: ornel --version | --help\n", cli::kVersionText);
    for (const cli::Command& c : cli::commands()) cli::printCommandHelp(out, c, c.name, false);
    std::fprintf(out, "\nornel COMMAND --help describes a command.\n");
}

}  // namespace

int main(int argc, char** argv) {
    cli::useBinaryStandardStreams();
    cli::Args args(argv + 1, argv + argc);
    if (args.empty()) return cli::runMainWindow();
    if (args[0] == "--version") {
        std::printf("%s\n", cli::kVersionText);
        return cli::kExitOk;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printUsage(stdout);
        return cli::kExitOk;
    }
    for (const cli::Command& c : cli::commands()) {
        if (args[0] == c.name) return cli::runCommand(c, c.name, cli::Args(args.begin() + 1, args.end()));
    }
    std::fprintf(stderr, "ornel: unknown command %s; see ornel --help\n", args[0].c_str());
    return cli::kExitUsage;
}
