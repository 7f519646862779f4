// `ornel load`: a bet file loaded as the program loads it (bet log, import,
// rename to ".Sav" or removal), either the file given or the day's expected
// bet file in the bet-file directory; the resulting list and the boxes
// shown come out.
#include <cstdio>
#include <string>

#include "betdata/bet_file_load.h"
#include "betdata/load_command.h"
#include "frontends/cli/batch_bet_list.h"
#include "frontends/cli/batch_options.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/list_fit.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "load";

// Reading a bet file stops at this byte, as text mode on Windows does.
constexpr char kEndOfText = 0x1A;

// The text of a bet file as loading stages it for the list.
std::string stagedText(const std::string& path) {
    std::string bytes, error;
    if (!readInput(path, bytes, error)) return {};
    return withCrLf(bytes.substr(0, bytes.find(kEndOfText)));
}

// The day's bet file as the start-up chooses it, then the file given or the
// expected one, loaded.  False when nothing was loaded.
bool loadOnDesktop(ui::BetListWindow& window, const std::string& file) {
    betdata::BetDataContext& c = window.betData();
    const plat::LocalTime today = plat::localTime(c.clock.load());
    base::NextBetFilePath(c.betFile, c.settings.betFileDir, base::BetFileDate{today.year, today.month, today.day});
    const std::string path = file.empty() ? betdata::ExpectedBetFileToLoad(c) : file;
    if (path.empty()) return false;
    const std::string text = stagedText(path);
    reportDroppedInput(kName, text, bytesTheListKeeps(text));
    return betdata::LoadBetFile(c, path);
}

int runLoad(const Args& args) {
    BatchOptions o;
    std::string error;
    if (!readBatchOptions(args, true, o, error)) return usageError(kName, error);
    for (const std::string& path : {o.ini, o.file}) {
        std::string unused;
        if (!path.empty() && !readInput(path, unused, error)) return commandError(kName, error);
    }

    // Without FILE and nothing waiting, nothing is printed.
    return RunBatchBetList(kName, o, [&](ui::BetListWindow& w) {
        return loadOnDesktop(w, o.file) || !o.file.empty();
    });
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
    "  FILE              the bet file (Shift-JIS); without it the day's expected\n"
    "                    bet file of DIR, when one is waiting\n"
    "  --bet-dir DIR     the bet-file directory (required)\n"
    "  --now TIME        the program clock, \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --ini FILE        the settings profile (only read)\n"
    "  --utf8            the bet file is UTF-8 (the bet log gets it in Shift-JIS),\n"
    "                    and so is the output\n"
    "  --sjis            Shift-JIS output whatever the locale\n"
    "  --answer yes|no   the answer to the date questions (default yes)\n"
    "  --client-dir DIR2 check headers and bets against the voting terms in DIR2\n",
    runLoad,
};

}  // namespace cli
