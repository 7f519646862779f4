// Where a program on the simulated desktop finds itself and the system.
//
// The desktop's directory stands for the system drive: its root is the drive
// root and its "WINDOWS" folder the Windows directory.  Without a desktop
// (a plain host process) the current directory stands for all three.
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/sim/backend.h"
#include "platform/sim/desktop.h"
#include "platform/sim/path_resolve.h"

namespace plat {

namespace {

constexpr const char* kWindowsFolder = "WINDOWS";

std::string withSeparator(std::string directory) {
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory;
}

std::string currentDirectory() {
    char buffer[4096];
    return withSeparator(getcwd(buffer, sizeof buffer) ? buffer : ".");
}

}  // namespace

std::string programFileName() {
    // "" for a program started without an executable (the harness thread
    // and plain host processes).
    return sim::currentProgramExePath();
}

std::string programDirectory() {
    std::string exe;
    if (!sim::hostPath(programFileName(), exe)) return currentDirectory();
    const std::size_t slash = exe.find_last_of('/');
    return slash == std::string::npos ? currentDirectory() : exe.substr(0, slash + 1);
}

std::string driveRoot() {
    const sim::Desktop* desktop = sim::Desktop::current();
    if (!desktop) return currentDirectory();
    return withSeparator(desktop->options().directory);
}

std::string windowsDirectory() {
    if (!sim::Desktop::current()) return currentDirectory();
    const std::string directory = driveRoot() + kWindowsFolder + "/";
    mkdir(directory.c_str(), 0777);  // made on first use; already there afterwards
    return directory;
}

}  // namespace plat
