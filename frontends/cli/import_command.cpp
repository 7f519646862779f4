// `ornel import`: bet text in any of the known formats, staged as a paste
// into an empty bet list would stage it (no bet log is written), imported
// and re-parsed by the program's own code; the resulting list and the
// boxes shown come out.
#include <cstdio>
#include <string>

#include "betdata/edit_transfer.h"
#include "betdata/import_staged_text.h"
#include "betdata/list_edit_proc.h"
#include "frontends/cli/batch_bet_list.h"
#include "frontends/cli/batch_options.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/list_fit.h"
#include "platform/window.h"

namespace cli {

namespace {

constexpr const char* kName = "import";

// As a paste finishes: the text goes through the list edit (upper-cased
// letters, the text limit), then into the staging edit, and is imported;
// the re-parse request follows.
void importAsPasted(ui::BetListWindow& window, const std::string& text) {
    const betdata::BetListWindows& w = window.betData().windows;
    betdata::AppendToEdit(w.betList, text);
    betdata::ClearEdit(w.staging);
    betdata::AppendToEdit(w.staging, betdata::CutFromLine(w.betList, 0));
    betdata::ImportStagedText(window.betData());
    betdata::SetCaretToStart(w.betList);
    plat::postMessage(w.main, betdata::kMsgReparseRequest, 0, 0);
}

int runImport(const Args& args) {
    BatchOptions o;
    std::string error;
    if (!readBatchOptions(args, false, o, error)) return usageError(kName, error);
    if (o.file.empty()) return usageError(kName, "missing FILE (- for standard input)");
    std::string input;
    if (!readBetText(o, input, error)) return commandError(kName, error);

    return RunBatchBetList(kName, o, [&](ui::BetListWindow& w) {
        reportDroppedInput(kName, input, bytesTheListKeeps(input));
        importAsPasted(w, input);
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
