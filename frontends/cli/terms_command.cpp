// `ornel terms`: the program started with no client installed — its
// start-up loads the running totals, chooses today's bet file and reads the
// newest vote log — then ＰＡＴの起動, which reads the voting terms from the
// client's directory, and ｸﾘｱ, which redraws the status box; the status box
// and the meetings as the program then holds them.
#include <cstdio>
#include <memory>
#include <string>

#include "frontends/cli/batch_program.h"
#include "frontends/cli/client_files_options.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

constexpr const char* kName = "terms";

// One line per meeting slot in use: venue, 回, 日目 and the 14 race sale codes.
std::string meetingLines(const base::VotingTerms& terms) {
    std::string lines;
    for (int s = 0; s < base::kMeetingSlots; ++s) {
        const base::MeetingTerms& m = terms.meetings[s];
        if (m.venueCode == 0) continue;
        lines += "slot " + std::to_string(s) + " venue " + std::to_string(m.venueCode) + " kai " +
                 std::to_string(m.kai) + " nichime " + std::to_string(m.nichime) + " sales ";
        for (int k = 0; k < base::kRaceBlocks; ++k)
            lines += (k ? "," : "") + std::to_string(m.races[k].raceSaleCode);
        lines += "\n";
    }
    return lines;
}

int runTerms(const Args& args) {
    ClientFilesOptions o;
    std::string error;
    if (!ReadClientFilesOptions(args, {}, o, error)) return usageError(kName, error);
    if (!ResolveWrittenProfile(o, error)) return commandError(kName, error);

    const std::unique_ptr<BatchHost> host = BatchHost::make(o.hasNow ? o.now : plat::now());
    if (!host->ready()) return commandError(kName, "cannot make a temporary directory");
    const std::unique_ptr<ProgramSession> run = host->program(BatchProgramOptions(ClientFilesSetup(o), *host));
    bool finished = StartBatchProgram(*run) && run->click(ui::kIdClear);

    const std::string statusBox = run->controlText(ui::kIdStatusBox);
    finished = finished && run->close();
    const app::Application& program = run->program();
    std::string out = statusBox + "\n\n" + meetingLines(program.terms);
    out += "current-bet-file " + program.betFile.path + "\n";
    out += "next-log " + program.voteLog.nextLogPath + "\n";
    const bool utf8 = o.encoding.utf8Output();
    writeOut(outputText(out, utf8));
    printBoxes(stderr, host->boxes(), utf8);
    if (!finished) return commandError(kName, "the run did not finish");
    return kExitOk;
}

}  // namespace

extern const Command kTermsCommand = {
    kName,
    "--client-dir DIR [--ini FILE] [--bet-dir DIR2] [--now \"YYYY-MM-DD HH:MM\"] [--utf8|--sjis]",
    "Runs the data part of the main window's start-up: the running totals of\n"
    "\"Current Info\", today's expected bet file, the newest vote log Lg-NN.JRA of\n"
    "DIR (echoed into the bet log of the bet-file directory), then the voting terms\n"
    "Uy-a.Jra, Uy-b.Jra, Uy-c.Jra of DIR.  Prints the status box, an empty line,\n"
    "one line per meeting (slot, venue, kai, nichime, the sale codes of its races),\n"
    "current-bet-file PATH and next-log PATH; the boxes go to standard error.\n"
    "\n"
    "  --client-dir DIR  the betting client's directory (required)\n"
    "  --ini FILE        the settings profile (written as the program writes it);\n"
    "                    its \"Current Info\" tells which vote logs the bet log\n"
    "                    already holds: without it the start-up copies the\n"
    "                    client's newest vote log into the bet log again, as a\n"
    "                    first start does\n"
    "  --bet-dir DIR2    the bet-file directory, where the bet log goes\n"
    "  --now TIME        the program clock, \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --utf8            UTF-8 output whatever the locale\n"
    "  --sjis            Shift-JIS output whatever the locale\n",
    runTerms,
};

}  // namespace cli
