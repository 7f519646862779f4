// `ornel racecard`: the program started with no client installed, the
// voting terms read from the client's directory by ＰＡＴの起動, then
// 発走時刻の読込 with FILE chosen in the open-file dialog; the start times
// and the status box as the program then holds them.
#include <cstdio>
#include <filesystem>
#include <string>

#include "frontends/cli/batch_program.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/start_time_lines.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

constexpr const char* kName = "racecard";

struct RaceCardOptions {
    std::string clientDir;
    std::string ini;
    bool hasNow = false;
    std::int64_t now = 0;
    TerminalEncoding encoding;
    std::string file;
};

bool parseOptions(const Args& args, RaceCardOptions& o, std::string& error) {
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        if (o.encoding.take(a)) {
            continue;
        } else if (a == "--client-dir") {
            if (!options.value(o.clientDir, error)) return false;
        } else if (a == "--ini") {
            if (!options.value(o.ini, error)) return false;
        } else if (a == "--now") {
            if (!options.localTimeValue(o.now, error)) return false;
            o.hasNow = true;
        } else if (options.currentIsOption() || !o.file.empty()) {
            error = options.notTaken();
            return false;
        } else {
            o.file = a;
        }
    }
    if (o.clientDir.empty()) error = missingOption("--client-dir DIR");
    else if (o.file.empty()) error = "missing FILE";
    return error.empty() && o.encoding.complete(error);
}

int runRaceCard(const Args& args) {
    RaceCardOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);
    for (const std::string& path : {o.ini, o.file}) {
        std::string unused;
        if (!path.empty() && !readInput(path, unused, error)) return commandError(kName, error);
    }

    HeadlessDesktop desk(o.hasNow ? o.now : plat::now());
    if (!desk.ready()) return commandError(kName, "cannot make a temporary directory");
    BatchSetup setup;
    setup.ini = o.ini.empty() ? "" : std::filesystem::absolute(o.ini).string();
    setup.clientDir = std::filesystem::absolute(o.clientDir).string();
    setup.betDirectory = BetDirectory::Throwaway;
    simhome::ProgramRun run(desk.desk(), BatchProgramOptions(setup, desk));
    desk.user().setOpenFileAnswer(std::filesystem::absolute(o.file).string());
    bool finished = StartBatchProgram(run) && run.chooseFromSystemMenu(ui::kIdReadStartTimes);

    const std::string out =
        startTimeLines(run.program().terms) + "\n" + run.controlText(ui::kIdStatusBox) + "\n";
    finished = finished && run.close() && run.ended();
    const bool utf8 = o.encoding.utf8Output();
    printBoxes(stderr, desk.user(), utf8);
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
