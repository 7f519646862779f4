// `ornel nextbet`: the bet file the program expects next in a directory on
// a given day.
#include <string>

#include "base/next_bet_file.h"
#include "frontends/cli/batch_program.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/local_time_arg.h"
#include "frontends/cli/option_reader.h"

namespace cli {

namespace {

constexpr const char* kName = "nextbet";

bool parseOptions(const Args& args, std::string& betDir, base::BetFileDate& date, std::string& error) {
    OptionReader options(args);
    std::string dateText;
    while (options.next()) {
        const std::string& a = options.current();
        if (a == "--bet-dir") {
            if (!options.value(betDir, error)) return false;
        } else if (a == "--date") {
            if (!options.value(dateText, error)) return false;
            if (!parseDateArg(dateText, date.year, date.month, date.day)) {
                error = "--date takes YYYY-MM-DD, a day of the calendar, not \"" + dateText + "\"";
                return false;
            }
        } else {
            error = options.notTaken();
            return false;
        }
    }
    if (betDir.empty()) error = missingOption("--bet-dir DIR");
    else if (dateText.empty()) error = missingOption("--date YYYY-MM-DD");
    return error.empty();
}

int runNextBet(const Args& args) {
    std::string betDir, error;
    base::BetFileDate date;
    if (!parseOptions(args, betDir, date, error)) return usageError(kName, error);
    base::CurrentBetFile current;
    if (!base::NextBetFilePath(current, betDirectorySetting(betDir), date))
        return commandError(kName, "the path is too long");
    writeOut(current.path + "\n");
    return kExitOk;
}

}  // namespace

extern const Command kNextBetCommand = {
    kName,
    "--bet-dir DIR --date YYYY-MM-DD",
    "Prints the path of the bet file the program expects next in DIR on that day:\n"
    "the newest YYMMDD*.BET, else the newest YYMMDD*.TGP, else the number after the\n"
    "newest loaded YYMMDDNN.SAV, else YYMMDD01.Bet.\n"
    "\n"
    "  --bet-dir DIR   the bet-file directory (required)\n"
    "  --date DATE     the day, YYYY-MM-DD (required)\n",
    runNextBet,
};

}  // namespace cli
