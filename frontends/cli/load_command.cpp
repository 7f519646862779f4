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
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "load";

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

// The day's bet file as the start-up chooses it, then the file given or the
// expected one, loaded.  False when nothing was loaded.
bool loadOnDesktop(ui::BetListWindow& window, const std::string& file) {
    betdata::BetDataContext& c = window.betData();
    const plat::LocalTime today = plat::localTime(c.clock.load());
    base::NextBetFilePath(c.betFile, c.settings.betFileDir, base::BetFileDate{today.year, today.month, today.day});
    const std::string path = file.empty() ? betdata::ExpectedBetFileToLoad(c) : file;
    return !path.empty() && betdata::LoadBetFile(c, path);
}

int runLoad(const Args& args) {
    BatchOptions o;
    std::string error;
    if (!readBatchOptions(args, true, o, error)) return fail(error);
    for (const std::string& path : {o.ini, o.file}) {
        std::string unused;
        if (!path.empty() && !readInput(path, unused, error)) return fail(error);
    }

    // Without FILE and nothing waiting, nothing is printed.
    return RunBatchBetList(kName, o, [&](ui::BetListWindow& w) {
        return loadOnDesktop(w, o.file) || !o.file.empty();
    });
}

}  // namespace

extern const Command kLoadCommand = {
    kName,
    "load --bet-dir DIR [--now \"YYYY-MM-DD HH:MM\"] [--ini FILE] [--utf8] [--answer yes|no] "
    "[--client-dir DIR2] [FILE]",
    runLoad,
};

}  // namespace cli
