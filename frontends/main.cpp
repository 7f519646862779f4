// The `ornel` executable: usage, version and the batch sub-commands.
#include <cstdio>
#include <string>

#include "frontends/cli/commands.h"
#include "platform/sjis.h"

namespace {

void printUsage(std::FILE* out) {
    std::fprintf(out, "%s\n\nusage: ornel --version | --help\n", cli::kVersionText);
    for (const cli::Command& c : cli::commands()) std::fprintf(out, "       ornel %s\n", c.usage);
}

}  // namespace

int main(int argc, char** argv) {
    cli::Args args(argv + 1, argv + argc);
    if (args.empty()) {
        printUsage(stderr);
        return 2;
    }
    if (args[0] == "--version") {
        std::printf("%s\n", cli::kVersionText);
        return 0;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printUsage(stdout);
        return 0;
    }
    for (const cli::Command& c : cli::commands()) {
        if (args[0] == c.name) return c.run(cli::Args(args.begin() + 1, args.end()));
    }
    std::fprintf(stderr, "ornel: unknown command '%s'\n", args[0].c_str());
    printUsage(stderr);
    return 2;
}
