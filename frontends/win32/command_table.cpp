// ornel.exe has no sub-commands beyond those every backend has: the
// simulated desktop's `sim` commands need the simulated desktop.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "frontends/cli/commands.h"

namespace cli {

const std::vector<Command>& backendCommands() {
    static const std::vector<Command> none;
    return none;
}

void useBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace cli
