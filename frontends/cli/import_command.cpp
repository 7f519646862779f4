// `ornel import`: bet text in any of the known formats pasted into the
// program's empty bet list, so that it is staged, imported and re-parsed by
// the program's own code; the resulting list and the boxes shown come out.
// The paste's bet-log entry goes to the throwaway desktop.
#include <string>

#include "frontends/cli/batch_options.h"
#include "frontends/cli/batch_program.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/list_fit.h"

namespace cli {

namespace {

constexpr const char* kName = "import";

int runImport(const Args& args) {
    BatchOptions o;
    std::string error;
    if (!readBatchOptions(args, false, o, error)) return usageError(kName, error);
    if (o.file.empty()) return usageError(kName, "missing FILE (- for standard input)");
    std::string input;
    if (!readBetText(o, input, error)) return commandError(kName, error);

    BatchSetup setup;
    setup.ini = o.ini;
    setup.clientDir = o.clientDir;
    setup.betDirectory = BetDirectory::Throwaway;
    return RunBatchProgram(kName, o, setup, [&](simhome::ProgramRun& run, HeadlessDesktop&) {
        reportDroppedInput(kName, input, run);
        run.pasteIntoList(input);
        return true;
    });
}

}  // namespace

extern const Command kImportCommand = {
    kName,
    "[--utf8|--sjis] [--answer yes|no] [--ini FILE] [--client-dir DIR --now \"YYYY-MM-DD HH:MM\"] FILE",
    "Imports bet text as a paste into an empty bet list would (the venue-header,\n"
    "month-header, FHWARS focus and Dbmn formats are converted, other text is\n"
    "taken as bet text), without writing a bet log, and prints the list and the\n"
    "boxes as ornel parse does.\n"
    "\n"
    "  FILE             the bet text (- for standard input); Shift-JIS\n"
    "  --utf8           the bet text is UTF-8, and so is the output\n"
    "  --sjis           Shift-JIS output whatever the locale\n"
    "  --answer yes|no  the answer to the date questions 8137 and 8138 (default yes)\n"
    "  --ini FILE       the settings profile (only read): the import options\n"
    "  --client-dir DIR check headers and bets against the voting terms in DIR\n"
    "  --now TIME       the program clock, \"YYYY-MM-DD HH:MM\" (needed with --client-dir)\n",
    runImport,
};

}  // namespace cli
