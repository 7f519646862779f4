#include "frontends/cli/batch_program.h"

#include "frontends/cli/cli_text.h"
#include "frontends/cli/client_terms.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

constexpr const char* kNoProfileName = "NoProfile.INI";

}  // namespace

std::string betDirectorySetting(const std::string& directory) {
    if (directory.empty() || directory.back() == '/' || directory.back() == '\\') return directory;
    return directory + plat::pathSeparator();
}

app::ProgramOptions BatchProgramOptions(const BatchSetup& setup, const BatchHost& host) {
    app::ProgramOptions options;
    // Without a profile every setting has its default: one of the host's
    // directory, never the program's own.
    options.profilePath = setup.ini.empty() ? host.directory() + kNoProfileName : setup.ini;
    options.readOnlyProfile = setup.readOnlyProfile;
    options.client = driver::ClientPresence::FilesOnly;
    const std::string throwaway = host.directory();
    options.adjustSettings = [setup, throwaway](base::Settings& settings) {
        if (!setup.clientDir.empty()) settings.pat95Dir = clientExePath(setup.clientDir);
        switch (setup.betDirectory) {
        case BetDirectory::Given: settings.betFileDir = betDirectorySetting(setup.betDir); break;
        case BetDirectory::Throwaway: settings.betFileDir = throwaway; break;
        case BetDirectory::FromProfile:
            if (settings.betFileDir.empty()) settings.betFileDir = throwaway;
            break;
        }
    };
    return options;
}

bool StartBatchProgram(ProgramSession& run) {
    return run.start() && run.chooseFromSystemMenu(ui::kIdConnectClient);
}

int RunBatchProgram(const char* name, const BatchOptions& o, const BatchSetup& setup,
                    const std::function<bool(ProgramSession&, BatchHost&)>& steps) {
    const std::unique_ptr<BatchHost> host = BatchHost::make(o.hasNow ? o.now : plat::now());
    if (!host->ready()) return commandError(name, "cannot make a temporary directory");
    host->setQuestionAnswer(o.answer);
    const std::unique_ptr<ProgramSession> run = host->program(BatchProgramOptions(setup, *host));
    bool finished = StartBatchProgram(*run);
    const bool print = !finished || steps(*run, *host);
    const std::string list = run->controlText(ui::kIdBetList);
    finished = finished && run->settle() && run->close();
    if (print) {
        writeOut(outputText(list, o.encoding.utf8Output()));
        printBoxes(stderr, host->boxes(), o.encoding.utf8Output());
    }
    if (finished) return kExitOk;
    return commandError(name, "the run did not finish");
}

}  // namespace cli
