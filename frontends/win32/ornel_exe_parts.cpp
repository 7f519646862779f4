// What ornel.exe has of its own beyond the commands every backend has: no
// `sim` commands (they need the simulated desktop), binary standard
// streams, and the main window when started without arguments.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "app/application.h"
#include "frontends/cli/commands.h"

#include <windows.h>

namespace cli {

namespace {

// Started from the desktop rather than a console, the program got a console
// of its own: it goes, so that only the main window shows.
void releaseOwnConsole() {
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) FreeConsole();
}

}  // namespace

const std::vector<Command>& backendCommands() {
    static const std::vector<Command> none;
    return none;
}

int runMainWindow() {
    releaseOwnConsole();
    // Its own profile (named after the executable, in the Windows
    // directory) and the betting client it names.
    app::Application program;
    return program.run();
}

void useBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace cli
