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
#include "platform/window.h"

namespace cli {

namespace {

constexpr const char* kName = "import";

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

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
    if (!readBatchOptions(args, false, o, error)) return fail(error);
    if (o.file.empty()) return fail("FILE is required (- for standard input)");
    std::string input;
    if (!readBetText(o, input, error)) return fail(error);

    return RunBatchBetList(kName, o, [&](ui::BetListWindow& w) {
        importAsPasted(w, input);
        return true;
    });
}

}  // namespace

extern const Command kImportCommand = {
    kName,
    "import [--utf8] [--answer yes|no] [--ini FILE] [--client-dir DIR --now \"YYYY-MM-DD HH:MM\"] FILE",
    runImport,
};

}  // namespace cli
