#include "frontends/cli/batch_program.h"

#include "frontends/cli/cli_text.h"
#include "frontends/cli/client_terms.h"
#include "platform/clock.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace cli {

std::string betDirectorySetting(const std::string& directory) {
    if (directory.empty() || directory.back() == '/' || directory.back() == '\\') return directory;
    return directory + '/';
}

app::ProgramOptions BatchProgramOptions(const BatchSetup& setup, const HeadlessDesktop& desk) {
    app::ProgramOptions options;
    options.profilePath = setup.ini;
    options.readOnlyProfile = setup.readOnlyProfile;
    options.client = driver::ClientPresence::FilesOnly;
    const std::string throwaway = desk.directory();
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

bool StartBatchProgram(simhome::ProgramRun& run) {
    return run.start() && run.chooseFromSystemMenu(ui::kIdConnectClient);
}

int RunBatchProgram(const char* name, const BatchOptions& o, const BatchSetup& setup,
                    const std::function<bool(simhome::ProgramRun&, HeadlessDesktop&)>& steps) {
    HeadlessDesktop desk(o.hasNow ? o.now : plat::now());
    if (!desk.ready()) return commandError(name, "cannot make a temporary directory");
    desk.user().setDefaultQuestionAnswer(o.answer);
    simhome::ProgramRun run(desk.desk(), BatchProgramOptions(setup, desk));
    bool finished = StartBatchProgram(run);
    const bool print = !finished || steps(run, desk);
    const std::string list = run.controlText(ui::kIdBetList);
    finished = finished && run.settle() && run.close() && run.ended();
    if (print) {
        writeOut(outputText(list, o.encoding.utf8Output()));
        printBoxes(stderr, desk.user(), o.encoding.utf8Output());
    }
    if (finished) return kExitOk;
    return commandError(name, "the run did not finish");
}

}  // namespace cli
