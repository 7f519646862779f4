// `ornel load`: 読込 pressed in the program, which loads a bet file as the
// program does (bet log, import, rename to ".Sav" or removal): the day's
// expected bet file when it is waiting in the bet-file directory, else the
// file given, chosen in the open-file dialog.  The resulting list and the
// boxes shown come out.
#include <cstdio>
#include <filesystem>
#include <string>

#include "frontends/cli/batch_options.h"
#include "frontends/cli/batch_program.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "platform/sjis.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

constexpr const char* kName = "load";

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

bool openFileDialogShown(const sim::ScriptedUser& user) {
    for (const auto& seen : user.seenFrom(kOrnelProgram))
        if (seen.info.isOpenFile) return true;
    return false;
}

// A UTF-8 FILE is loaded as a Shift-JIS copy on the throwaway desktop,
// under the same name; FILE itself is left as it is.
bool shiftJisCopy(const std::string& file, const HeadlessDesktop& desk, std::string& copy, std::string& error) {
    std::string text;
    if (!readInput(file, text, error)) return false;
    copy = desk.directory() + std::filesystem::path(file).filename().string();
    if (writeFile(copy, sjis::fromUtf8(text))) return true;
    error = "cannot write " + copy;
    return false;
}

int runLoad(const Args& args) {
    BatchOptions o;
    std::string error;
    if (!readBatchOptions(args, true, o, error)) return fail(error);
    for (const std::string& path : {o.ini, o.file}) {
        std::string unused;
        if (!path.empty() && !readInput(path, unused, error)) return fail(error);
    }

    BatchSetup setup;
    setup.ini = o.ini;
    setup.clientDir = o.clientDir;
    setup.betDirectory = BetDirectory::Given;
    setup.betDir = o.betDir;
    bool copyFailed = false;
    const int status = RunBatchProgram(kName, o, setup, [&](simhome::ProgramRun& run, HeadlessDesktop& desk) {
        std::string chosen = o.file.empty() ? "" : std::filesystem::absolute(o.file).string();
        if (!chosen.empty() && o.utf8 && !shiftJisCopy(o.file, desk, chosen, error)) {
            copyFailed = true;
            return false;
        }
        desk.user().setOpenFileAnswer(chosen);
        run.click(ui::kIdLoad);
        // Without FILE and nothing waiting, nothing is printed.
        return !chosen.empty() || !openFileDialogShown(desk.user());
    });
    return copyFailed ? fail(error) : status;
}

}  // namespace

extern const Command kLoadCommand = {
    kName,
    "load --bet-dir DIR [--now \"YYYY-MM-DD HH:MM\"] [--ini FILE] [--utf8] [--answer yes|no] "
    "[--client-dir DIR2] [FILE]",
    runLoad,
};

}  // namespace cli
