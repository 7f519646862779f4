// What every sub-command shares: --help, the wording of usage errors, the
// terminal's encoding, and the values options refuse.
#include <gtest/gtest.h>

#include "betclient/faults.h"
#include "platform/sjis.h"
#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::u8;

namespace {

using ArgList = std::vector<std::string>;

// Every command, as named in its messages, with the arguments it needs to
// get as far as reading its options.
const std::vector<std::pair<std::string, ArgList>> kCommands = {
    {"parse", {"parse"}},
    {"settings", {"settings", "--ini", "x.ini"}},
    {"terms", {"terms", "--client-dir", "."}},
    {"import", {"import", "-"}},
    {"load", {"load", "--bet-dir", "."}},
    {"nextbet", {"nextbet", "--bet-dir", ".", "--date", "2024-06-15"}},
    {"sim", {"sim"}},
    {"sim connect", {"sim", "connect", "--home", "."}},
    {"sim bet", {"sim", "bet", "--home", ".", "-"}},
};

ArgList with(ArgList args, const std::string& extra) {
    args.push_back(extra);
    return args;
}

TEST(CommandLine, EveryCommandPrintsItsHelpAndExitsZero) {
    for (const auto& [name, args] : kCommands) {
        for (const char* help : {"--help", "-h"}) {
            const auto run = runOrnel(with(args, help));
            EXPECT_EQ(run.status, 0) << name;
            EXPECT_EQ(run.err, "") << name;
            EXPECT_EQ(run.out.rfind("usage: ornel " + name + " ", 0), 0u) << name << ": " << run.out;
            // Past the usage line(s): a description of the options.
            EXPECT_NE(run.out.find("\n\n  "), std::string::npos) << name << ": " << run.out;
        }
    }
    // The overview names every command; --help does nothing else.
    const auto overview = runOrnel({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const auto& [name, args] : kCommands) EXPECT_NE(overview.out.find("ornel " + name + " "), std::string::npos) << name;
    EXPECT_EQ(runOrnel({"sim", "bet", "--home", ".", "--help", "no-such-file"}).status, 0);
}

TEST(CommandLine, UsageErrorsAreWordedAlikeEverywhere) {
    for (const auto& [name, args] : kCommands) {
        const auto run = runOrnel(with(args, "--frobnicate"));
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_EQ(run.err, "ornel " + name + ": unknown option --frobnicate; see ornel " + name + " --help\n");
    }
    const std::vector<std::pair<ArgList, std::string>> missing = {
        {{"settings"}, "settings: missing required option --ini FILE"},
        {{"terms"}, "terms: missing required option --client-dir DIR"},
        {{"load"}, "load: missing required option --bet-dir DIR"},
        {{"nextbet", "--date", "2024-06-15"}, "nextbet: missing required option --bet-dir DIR"},
        {{"nextbet", "--bet-dir", "."}, "nextbet: missing required option --date YYYY-MM-DD"},
        {{"sim", "connect"}, "sim connect: missing required option --home DIR"},
        {{"sim", "bet", "-"}, "sim bet: missing required option --home DIR"},
        {{"parse", "--client-dir", "."},
         "parse: missing required option --now \"YYYY-MM-DD HH:MM\", which --client-dir needs"},
    };
    for (const auto& [args, message] : missing) {
        const auto run = runOrnel(args);
        EXPECT_EQ(run.status, 2) << message;
        const std::string name = message.substr(0, message.find(':'));
        EXPECT_EQ(run.err, "ornel " + message + "; see ornel " + name + " --help\n");
    }
    EXPECT_EQ(runOrnel({"parse", "a.txt", "b.txt"}).err,
              "ornel parse: unexpected argument b.txt; see ornel parse --help\n");
    const auto unknown = runOrnel({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "ornel: unknown command frobnicate; see ornel --help\n");
}

// Impossible dates, times and numbers are refused before anything runs.
TEST(CommandLine, ValuesThatNameNothingAreRefused) {
    for (const ArgList& args : std::vector<ArgList>{
             {"parse", "--client-dir", ".", "--now", "2026-02-30 10:00"},
             {"parse", "--client-dir", ".", "--now", "2023-02-29 10:00"},
             {"terms", "--client-dir", ".", "--now", "2024-06-31 10:00"},
             {"terms", "--client-dir", ".", "--now", "2024-06-15 24:00"},
             {"terms", "--client-dir", ".", "--now", "2024-06-15 10:00 extra"},
             {"sim", "connect", "--home", ".", "--now", "1900-01-01 10:00"},
             {"nextbet", "--bet-dir", ".", "--date", "2026-02-30"},
             {"nextbet", "--bet-dir", ".", "--date", "2024-04-31"},
             {"sim", "connect", "--home", ".", "--scale", "nan"},
             {"sim", "connect", "--home", ".", "--scale", "inf"},
             {"sim", "connect", "--home", ".", "--scale", "1.5x"},
             {"sim", "connect", "--home", ".", "--seed", "18446744073709551616"},
             {"sim", "connect", "--home", ".", "--seed", "-1"},
             {"sim", "connect", "--home", ".", "--mode", "18446744073709551619"},
             {"sim", "bet", "--home", ".", "--stop-after-lines", "1000", "-"},
             {"sim", "connect", "--home", ".", "--utf8", "--sjis"}}) {
        const auto run = runOrnel(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_NE(run.err.find("; see ornel "), std::string::npos) << run.err;
    }
    testsupport::TempDir dir;
    const auto leapDay = runOrnel({"nextbet", "--bet-dir", dir.path(), "--date", "2024-02-29"});
    EXPECT_EQ(leapDay.status, 0);
    EXPECT_EQ(leapDay.out, dir.file("24022901.Bet") + "\n");
    // The largest seed is taken: what is refused is the mode after it.
    EXPECT_EQ(runOrnel({"sim", "connect", "--home", dir.path(), "--seed", "18446744073709551615", "--mode", "9"}).err,
              "ornel sim connect: --mode takes a whole number from 0 to 3, not \"9\"; see ornel sim connect --help\n");
}

TEST(CommandLine, TerminalTextFollowsTheLocaleUnlessAnOptionSays) {
    const std::string bets = "東京 1R 3\n★\n";
    const std::string list = "001: 東京  1R 単勝    03      100\r\n";
    const std::string box = "8005 競馬場コードまたは投票種別が不正です！\n";
    struct Case {
        const char* locale;
        ArgList extra;
        bool utf8;
    };
    for (const Case& c : std::vector<Case>{{"C", {}, false},
                                           {"C.UTF-8", {}, true},
                                           {"ja_JP.UTF-8", {}, true},
                                           {"ja_JP.SJIS-not-installed", {}, false},
                                           {"xx_XX.UTF-8", {}, true},  // not installed: its name says UTF-8
                                           {"C.UTF-8", {"--sjis"}, false},
                                           {"C", {"--utf8"}, true}}) {
        ArgList args = {"parse"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        // --utf8 reads the bet text as UTF-8 too.
        const auto run = runOrnel(args, c.extra == ArgList{"--utf8"} ? sjis::toUtf8(bets) : bets, c.locale);
        EXPECT_EQ(run.out, c.utf8 ? sjis::toUtf8(list) : list) << c.locale;
        EXPECT_EQ(run.err, c.utf8 ? sjis::toUtf8(box) : box) << c.locale;
    }
    // Help texts follow the locale as well.
    const auto help = runOrnel({"sim", "bet", "--help"}, "", "C.UTF-8");
    EXPECT_NE(help.out.find(sjis::toUtf8("投票")), std::string::npos) << help.out;
}

TEST(CommandLine, SimListsTheClientsFaults) {
    const auto run = runOrnel({"sim", "--faults"});
    EXPECT_EQ(run.status, 0);
    for (const betclient::FaultInfo& f : betclient::kFaultCatalogue)
        EXPECT_NE(("\n" + run.out).find("\n" + std::string(f.name) + " "), std::string::npos) << f.name;
}

}  // namespace
