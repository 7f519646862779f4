// `ornel nextbet`: the bet file the program expects next in a directory on
// a given day.
#include <cstdio>
#include <string>

#include "base/next_bet_file.h"
#include "frontends/cli/batch_program.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/option_reader.h"

namespace cli {

namespace {

constexpr const char* kName = "nextbet";

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

// "YYYY-MM-DD".
bool parseDate(const std::string& text, base::BetFileDate& date) {
    char end = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &end) != 3)
        return false;
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31;
}

int runNextBet(const Args& args) {
    std::string betDir, dateText, error;
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        if (a == "--bet-dir") {
            if (!options.value(betDir, error)) return fail(error);
        } else if (a == "--date") {
            if (!options.value(dateText, error)) return fail(error);
        } else {
            return fail("unknown argument " + a);
        }
    }
    if (betDir.empty()) return fail("--bet-dir DIR is required");
    base::BetFileDate date;
    if (!parseDate(dateText, date)) return fail("--date takes YYYY-MM-DD");
    base::CurrentBetFile current;
    if (!base::NextBetFilePath(current, betDirectorySetting(betDir), date))
        return fail("the path is too long");
    writeOut(current.path + "\n");
    return 0;
}

}  // namespace

extern const Command kNextBetCommand = {
    kName,
    "nextbet --bet-dir DIR --date YYYY-MM-DD",
    runNextBet,
};

}  // namespace cli
