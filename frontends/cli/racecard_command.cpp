// `ornel racecard`: the program started with no client installed, the
// voting terms read from the client's directory by ＰＡＴの起動, then
// 発走時刻の読込 with FILE chosen in the open-file dialog; the start times
// and the status box as the program then holds them.
#include <cstdio>
#include <string>

#include "frontends/cli/batch_program.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/host_paths.h"
#include "frontends/cli/client_files_options.h"
#include "frontends/cli/start_time_lines.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

constexpr const char* kName = "racecard";

int runRaceCard(const Args& args) {
    ClientFilesOptions o;
    std::string error;
    if (!ReadClientFilesOptions(args, {.betDir = false, .file = true}, o, error)) return usageError(kName, error);
    for (const std::string& path : {o.ini, o.file}) {
        std::string unused;
        if (!path.empty() && !readInput(path, unused, error)) return commandError(kName, error);
    }

    const std::unique_ptr<BatchHost> host = BatchHost::make(o.hasNow ? o.now : plat::now());
    if (!host->ready()) return commandError(kName, "cannot make a temporary directory");
    BatchSetup setup;
    setup.ini = o.ini.empty() ? "" : absolutePath(o.ini);
    setup.clientDir = o.clientDir;
    setup.betDirectory = BetDirectory::Throwaway;
    const std::unique_ptr<ProgramSession> run = host->program(BatchProgramOptions(setup, *host));
    host->setOpenFileAnswer(o.file);
    bool finished = StartBatchProgram(*run) && run->chooseFromSystemMenu(ui::kIdReadStartTimes);

    const std::string statusBox = run->controlText(ui::kIdStatusBox);
    finished = finished && run->close();
    const std::string out = startTimeLines(run->program().terms) + "\n" + statusBox + "\n";
    const bool utf8 = o.encoding.utf8Output();
    printBoxes(stderr, host->boxes(), utf8);
    writeOut(outputText(out, utf8));
    if (!finished) return commandError(kName, "the run did not finish");
    return kExitOk;
}

}  // namespace

extern const Command kRaceCardCommand = {
    kName,
    "--client-dir DIR [--ini FILE] [--now \"YYYY-MM-DD HH:MM\"] [--utf8|--sjis] FILE",
    "Reads the start times of a race-card file as 発走時刻の読込 does, after the\n"
    "voting terms of DIR were read (as ornel terms reads them).  The boxes shown go\n"
    "to standard error; standard output gets race-card-date MMDD, one line\n"
    "slot S race R start HHMM per race 1..12 of every meeting (0: not known), an\n"
    "empty line and the status box.\n"
    "\n"
    "  FILE              JRA#DEN1.DAT, an .LZH archive holding it (unpacked into a\n"
    "                    temporary directory) or a TARGET .DEN file\n"
    "  --client-dir DIR  the betting client's directory (required)\n"
    "  --ini FILE        the settings profile (only read; \"Target Dir\" names the\n"
    "                    directory of the day's .den files)\n"
    "  --now TIME        the program clock, \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --utf8            UTF-8 output whatever the locale\n"
    "  --sjis            Shift-JIS output whatever the locale\n",
    runRaceCard,
};

}  // namespace cli
