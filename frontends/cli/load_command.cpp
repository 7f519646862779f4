// `ornel load`: a bet file loaded as the program loads it (bet log, import,
// rename to ".Sav" or removal), either the file given or the day's expected
// bet file in the bet-file directory; the resulting list and the boxes
// shown come out.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "betdata/bet_file_load.h"
#include "betdata/load_command.h"
#include "frontends/cli/batch_bet_list.h"
#include "frontends/cli/batch_options.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/list_fit.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace cli {

namespace {

constexpr const char* kName = "load";

// Reading a bet file stops at this byte, as text mode on Windows does.
constexpr char kEndOfText = 0x1A;

// A bet file as the command reads it: its bytes, and whether it is UTF-8
// text (--utf8, or a byte-order mark) that the program cannot read as it is.
struct BetFileText {
    std::string bytes;
    bool utf8 = false;
    // The text as loading stages it for the list (Shift-JIS, CR LF).
    std::string staged() const { return betTextFromInput(bytes.substr(0, bytes.find(kEndOfText)), utf8); }
};

bool readBetFile(const std::string& path, bool utf8Option, BetFileText& file) {
    std::string error;
    if (!readInput(path, file.bytes, error)) return false;
    file.utf8 = utf8Option || startsWithByteOrderMark(file.bytes);
    return true;
}

// The program reads bet files as Shift-JIS.  A UTF-8 file is loaded from a
// Shift-JIS copy of the same name beside Ornel.exe (so the bet log gets
// Shift-JIS), and the file itself is then settled (renamed to ".Sav" or
// removed) when the copy was: a cancelled import leaves it in place.
bool loadUtf8(betdata::BetDataContext& c, const std::string& path, const BetFileText& file) {
    const std::string copy = plat::programDirectory() + std::filesystem::path(path).filename().string();
    {
        std::ofstream out(copy, std::ios::binary | std::ios::trunc);
        out << file.staged();
        if (!out) return false;
    }
    if (!betdata::LoadBetFile(c, copy)) return false;
    plat::FileInfo info;
    if (!c.state.importCancelled && !plat::fileStatus(copy, info)) betdata::SettleBetFile(c, path);
    return true;
}

// The day's bet file as the start-up chooses it, then the file given or the
// expected one, loaded.  False when nothing was loaded.
bool loadOnDesktop(ui::BetListWindow& window, const std::string& file, bool utf8) {
    betdata::BetDataContext& c = window.betData();
    const plat::LocalTime today = plat::localTime(c.clock.load());
    base::NextBetFilePath(c.betFile, c.settings.betFileDir, base::BetFileDate{today.year, today.month, today.day});
    const std::string path = file.empty() ? betdata::ExpectedBetFileToLoad(c) : file;
    BetFileText text;
    if (path.empty() || !readBetFile(path, utf8, text)) return false;
    const std::string staged = text.staged();
    reportDroppedInput(kName, staged, bytesTheListKeeps(staged));
    return text.utf8 ? loadUtf8(c, path, text) : betdata::LoadBetFile(c, path);
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
        return loadOnDesktop(w, o.file, o.encoding.utf8Input()) || !o.file.empty();
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
    "  --utf8            the bet file is UTF-8 (as is one with a byte-order mark;\n"
    "                    the bet log gets it in Shift-JIS), and so is the output\n"
    "  --sjis            Shift-JIS output whatever the locale\n"
    "  --answer yes|no   the answer to the date questions (default yes)\n"
    "  --client-dir DIR2 check headers and bets against the voting terms in DIR2\n",
    runLoad,
};

}  // namespace cli
