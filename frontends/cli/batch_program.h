// The whole program for a batch command: the application object on a
// headless desktop with no betting client installed (only its files are
// read), the user's steps on its main window, then the window closed.
#pragma once

#include <functional>
#include <string>

#include "app/application.h"
#include "frontends/cli/batch_options.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/simhome/program_run.h"

namespace cli {

// The "Bet File Dir" setting for a directory given on the command line (the
// setting names the directory with its trailing separator).
std::string betDirectorySetting(const std::string& directory);

// Where the program keeps bet files and the bet log for the command.
enum class BetDirectory {
    FromProfile,  // the profile's; the desktop's own directory when it names none
    Throwaway,    // the desktop's own directory, removed at the end
    Given,        // the directory given on the command line
};

struct BatchSetup {
    std::string ini;                 // the profile ("" for the defaults)
    bool readOnlyProfile = true;
    std::string clientDir;           // the client's directory, whose files are read ("" none)
    BetDirectory betDirectory = BetDirectory::FromProfile;
    std::string betDir;              // with BetDirectory::Given
};

// Program options for the setup on the desktop.
app::ProgramOptions BatchProgramOptions(const BatchSetup& setup, const HeadlessDesktop& desk);

// Starts the program and chooses ＰＡＴの起動, which with no client
// installed reads the voting terms from the client's directory (without
// one, no terms are in force and the day's whole allowance of bets stands).
bool StartBatchProgram(simhome::ProgramRun& run);

// One batch command on bet text (`import`, `load`): the program started as
// StartBatchProgram starts it, with the settings, answers and program clock of the options; steps run as
// the user once it waits (returning whether there is anything to print);
// then the BetList comes out on standard output and the boxes shown on
// standard error.  Returns the exit status: 0, or 2 after
// "ornel NAME: reason".
int RunBatchProgram(const char* name, const BatchOptions& options, const BatchSetup& setup,
                    const std::function<bool(simhome::ProgramRun&, HeadlessDesktop&)>& steps);

}  // namespace cli
