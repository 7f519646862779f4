// The options of the commands that run the program on a betting client's
// files without the client (`ornel terms`, `ornel report`, `ornel
// racecard`), and the program set-up they ask for.
#pragma once

#include <cstdint>
#include <string>

#include "frontends/cli/batch_program.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/terminal_encoding.h"

namespace cli {

struct ClientFilesOptions {
    std::string clientDir;  // --client-dir DIR (required)
    std::string betDir;     // --bet-dir DIR ("" the profile's)
    std::string ini;        // --ini FILE, absolute; "" default settings, nothing written
    bool hasNow = false;
    std::int64_t now = 0;   // --now: the program clock
    TerminalEncoding encoding;
    std::string file;       // FILE, where the command takes one (required then)
};

// Which of the options a command takes besides --client-dir, --ini, --now
// and the encodings.
struct ClientFilesArgs {
    bool betDir = true;            // --bet-dir
    bool betDirRequired = false;
    bool file = false;             // FILE
};

// Reads the options; paths are named from the working directory.  False
// with a one-line reason (a usage error).
bool ReadClientFilesOptions(const Args& args, const ClientFilesArgs& takes, ClientFilesOptions& options,
                            std::string& error);

// The --ini profile, which the program writes: named from the working
// directory (not the Windows directory).  A missing profile is a first
// start; one that exists must be readable.  False with a one-line reason.
bool ResolveWrittenProfile(ClientFilesOptions& options, std::string& error);

// The program with no client on the files of --client-dir, its bet files in
// --bet-dir when given, and the --ini profile written as the program writes
// it.
BatchSetup ClientFilesSetup(const ClientFilesOptions& options);

}  // namespace cli
