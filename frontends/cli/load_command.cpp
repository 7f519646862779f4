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
#include "frontends/cli/headless_desktop.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "load";

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

// The day's bet file as the start-up chooses it, then the file given or the
// expected one, loaded.
bool loadOnDesktop(ui::BetListWindow& window, const std::string& file, std::int64_t now) {
    betdata::BetDataContext& c = window.betData();
    const plat::LocalTime today = plat::localTime(now);
    betdata::NextBetFilePath(c.betFile, c.settings.betFileDir, betdata::BetFileDate{today.year, today.month, today.day});
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

    const std::int64_t now = o.hasNow ? o.now : plat::now();
    HeadlessDesktop desk(now);
    if (!desk.ready()) return fail("cannot make a temporary directory");
    desk.user().setDefaultQuestionAnswer(o.answer);
    BatchBetList batch(o.ini);
    batch.clientDir = o.clientDir;
    batch.betDir = o.betDir;
    bool loaded = false;
    const bool finished =
        batch.run(desk, now, [&](ui::BetListWindow& w) { loaded = loadOnDesktop(w, o.file, now); });
    if (finished && !loaded && o.file.empty()) return 0;  // nothing was waiting
    writeOut(outputText(batch.listText(), o.utf8));
    printBoxes(stderr, desk.user(), o.utf8);
    if (!finished) return fail("the run did not finish");
    return 0;
}

}  // namespace

extern const Command kLoadCommand = {
    kName,
    "load --bet-dir DIR [--now \"YYYY-MM-DD HH:MM\"] [--ini FILE] [--utf8] [--answer yes|no] "
    "[--client-dir DIR2] [FILE]",
    runLoad,
};

}  // namespace cli
