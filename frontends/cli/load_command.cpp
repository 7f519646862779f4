// `ornel load`: 読込 pressed in the program, which loads a bet file as the
// program does (bet log, import, rename to ".Sav" or removal): the day's
// expected bet file when it is waiting in the bet-file directory, else the
// file given, chosen in the open-file dialog.  The resulting list and the
// boxes shown come out.
#include <cstdio>
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

// A UTF-8 FILE (--utf8, or one that starts with the byte-order mark) is
// loaded as a Shift-JIS copy in the host's throwaway directory, under the
// same name (copy names it); FILE itself is left as it is.
bool shiftJisCopy(const std::string& file, bool utf8, const BatchHost& host, std::string& copy,
                  std::string& error) {
    std::string text;
    if (!readInput(file, text, error)) return false;
    if (!utf8 && !startsWithByteOrderMark(text)) return true;
    const sjis::PathParts name = sjis::splitPath(file);
    copy = host.directory() + name.name + name.extension;
    if (writeFile(copy, betTextFromInput(text, true))) return true;
    error = "cannot write " + copy;
    return false;
}

int runLoad(const Args& args) {
    BatchOptions o;
    std::string error;
    if (!readBatchOptions(args, true, o, error)) return usageError(kName, error);
    for (const std::string& path : {o.ini, o.file}) {
        std::string unused;
        if (!path.empty() && !readInput(path, unused, error)) return commandError(kName, error);
    }

    BatchSetup setup;
    setup.ini = o.ini;
    setup.clientDir = o.clientDir;
    setup.betDirectory = BetDirectory::Given;
    setup.betDir = o.betDir;
    bool copyFailed = false;
    const int status = RunBatchProgram(kName, o, setup, [&](ProgramSession& run, BatchHost& host) {
        std::string chosen = o.file;
        if (!chosen.empty() && !shiftJisCopy(o.file, o.encoding.utf8Input(), host, chosen, error)) {
            copyFailed = true;
            return false;
        }
        host.setOpenFileAnswer(chosen);
        run.click(ui::kIdLoad);
        // Without FILE and nothing waiting, nothing is printed.
        return !chosen.empty() || !host.openFileDialogShown();
    });
    return copyFailed ? commandError(kName, error) : status;
}

}  // namespace

extern const Command kLoadCommand = {
    kName,
    "--bet-dir DIR [--now \"YYYY-MM-DD HH:MM\"] [--ini FILE] [--utf8|--sjis] [--answer yes|no] "
    "[--client-dir DIR2] [FILE]",
    "Loads a bet file as the program does: appends it to the bet log BTyymmdd.LOG\n"
    "of DIR, imports it as ornel import does, then renames it to .Sav or removes\n"
    "it as \"Rename Sav\" says.  Prints the list and the boxes as ornel parse does.\n"
    "\n"
    "  FILE              the bet file (Shift-JIS), chosen in the open-file dialog;\n"
    "                    when the day's expected bet file of DIR is waiting, 読込\n"
    "                    loads that one instead\n"
    "  --bet-dir DIR     the bet-file directory (required)\n"
    "  --now TIME        the program clock, \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --ini FILE        the settings profile (only read)\n"
    "  --utf8            the bet file is UTF-8, as is one with a byte-order mark\n"
    "                    (the bet log gets it in Shift-JIS), and so is the output\n"
    "  --sjis            Shift-JIS output whatever the locale\n"
    "  --answer yes|no   the answer to the date questions (default yes)\n"
    "  --client-dir DIR2 check headers and bets against the voting terms in DIR2\n",
    runLoad,
};

}  // namespace cli
