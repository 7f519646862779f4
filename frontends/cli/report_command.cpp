// `ornel report`: the payout report command (払戻情報ファイル出力) in a program
// without a client — the voting terms read from the client's directory as
// `ornel terms` reads them, the day's bet log reconciled with the payout
// files found there, and the report written.
#include <cstdio>
#include <string>

#include "frontends/cli/batch_program.h"
#include "frontends/cli/client_files_options.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/payout_output.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"
#include "ui/main_commands.h"

namespace cli {

namespace {

constexpr const char* kName = "report";

int runReport(const Args& args) {
    ClientFilesOptions o;
    std::string error;
    if (!ReadClientFilesOptions(args, {.betDirRequired = true}, o, error)) return usageError(kName, error);
    if (!ResolveWrittenProfile(o, error)) return commandError(kName, error);

    const std::unique_ptr<BatchHost> host = BatchHost::make(o.hasNow ? o.now : plat::now());
    if (!host->ready()) return commandError(kName, "cannot make a temporary directory");
    const std::unique_ptr<ProgramSession> run = host->program(BatchProgramOptions(ClientFilesSetup(o), *host));
    bool finished = StartBatchProgram(*run);
    const ReportBefore report = MarkPayoutReport(host->files(), run->program());
    finished = finished && run->chooseFromContextMenu(ui::kIdPayoutReport) && run->close();
    if (!finished) return commandError(kName, "the run did not finish");

    const bool utf8 = o.encoding.utf8Output();
    printBoxes(stdout, host->boxes(), utf8);
    PrintPayoutOutcome(host->files(), run->program(), report, utf8);
    return kExitOk;
}

}  // namespace

extern const Command kReportCommand = {
    kName,
    "--bet-dir DIR --client-dir DIR2 [--ini FILE] [--now \"YYYY-MM-DD HH:MM\"] [--utf8|--sjis]",
    "The payout report command without a client: the voting terms are read from\n"
    "DIR2 as ornel terms reads them, the bet log of the day in DIR is reconciled\n"
    "with the payout files of DIR2 (Th-, Fh-, Wh-, Uh-*.Jra), and the payout report\n"
    "HiYYMMDD.Txt is written into DIR.  Prints the boxes Ornel showed, \"betlog\" and\n"
    "the bet log afterwards, \"report\" and the report, \"today-purchase N\" and\n"
    "\"today-payout N\" (yen).\n"
    "\n"
    "  --bet-dir DIR     the bet-file directory with the bet log (required)\n"
    "  --client-dir DIR2 the betting client's directory (required)\n"
    "  --ini FILE        the settings profile (written as the program writes it);\n"
    "                    its \"Current Info\" tells which vote logs the bet log\n"
    "                    already holds: without it the start-up copies the\n"
    "                    client's newest vote log into the bet log again, as a\n"
    "                    first start does\n"
    "  --now TIME        the program clock, \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --utf8            UTF-8 output whatever the locale\n"
    "  --sjis            Shift-JIS output whatever the locale\n",
    runReport,
};

}  // namespace cli
