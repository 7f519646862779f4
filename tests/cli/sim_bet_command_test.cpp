// `ornel sim bet` end to end: a bet file placed through the replacement
// client in a simulated home, the list afterwards and the centre's ledger.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

namespace {

constexpr const char* kDay =
    "date 2024-06-15\n"
    "account user=11112222 password=0123 limit=100000 balance=100000\n"
    "meeting 東京 kai=3 nichime=2\n"
    "race 1 sale=15 start=15:00 horses=777777777777\n"
    "race 2 sale=15 start=15:30 horses=777777777777\n";

constexpr const char* kBets = "東京 1R 馬連 3-5 1000\n6-7 300\n東京 2R 単勝 1,2 200\n";

class SimBetCommand : public ::testing::Test {
protected:
    SimBetCommand() {
        std::filesystem::create_directories(file("client"));
        writeBytes(file("client/day.txt"), kDay);
        writeBytes(home.path() + "bets.txt", kBets);
    }
    cli_test::Run bet(std::vector<std::string> extra) {
        std::vector<std::string> args = {"sim", "bet", "--home", home.path() + "home", "--now", "2024-06-15 10:00"};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(home.path() + "bets.txt");
        return runOrnel(args);
    }
    std::string file(const std::string& name) const { return home.path() + "home/" + name; }

    testsupport::TempDir home;
};

TEST_F(SimBetCommand, TheListIsPlacedOnceAndAStopKeepsWhatWasNotSubmitted) {
    auto run = bet({});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string placed =
        "001: 東京  1R 馬連 03-05     1000\r\n"
        "002: 東京  1R 馬連 06-07      300\r\n"
        "003: 東京  2R 単勝    01      200\r\n"
        "004: 東京  2R 単勝    02      200\r\n";
    EXPECT_EQ(run.out.substr(0, 9), "result 1\n") << u8(run.out);
    EXPECT_NE(run.out.find("\nvirtual-ms "), std::string::npos);
    EXPECT_NE(run.out.find("\nlist\nledger\n" + placed), std::string::npos) << u8(run.out);
    EXPECT_EQ(run.out.find("\n8"), std::string::npos) << "no box: " << u8(run.out);

    // Groups of two, STOP once the third line has been read: the first group
    // went, the second was entered but not sent.
    const std::string profile = readBytes(file("WINDOWS/Ornel.INI"));
    const std::size_t define = profile.find("[Define]\r\n");
    ASSERT_NE(define, std::string::npos) << profile;
    writeBytes(file("WINDOWS/Ornel.INI"), profile.substr(0, define + 10) + "Bet Divide Unit=2\r\n" + profile.substr(define + 10));
    run = bet({"--stop-after-lines", "3"});
    EXPECT_EQ(run.out.substr(0, 10), "result -1\n") << u8(run.out);
    EXPECT_NE(run.out.find("\nlist\n"
                           "001: 東京  2R 単勝    01      200\r\n"
                           "002: 東京  2R 単勝    02      200\r\n"
                           "ledger\n" +
                           placed +
                           "005: 東京  1R 馬連 03-05     1000\r\n"
                           "006: 東京  1R 馬連 06-07      300\r\n"),
              std::string::npos)
        << u8(run.out);
}

TEST_F(SimBetCommand, AnErrorAnswerFailsWithTheDriversMessageAndKeepsTheList) {
    const auto run = bet({"--fault", "error-11028"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, 10), "result -1\n");
    EXPECT_NE(run.out.find("\n8141 Ｐａｔ９５が正常に操作できません。\\rベット内容をご確認ください。\n"), std::string::npos)
        << u8(run.out);
    EXPECT_NE(run.out.find("\nlist\n001: 東京  1R 馬連 03-05     1000\r\n"), std::string::npos) << u8(run.out);
    EXPECT_EQ(run.out.substr(run.out.size() - 7), "ledger\n") << "nothing accepted";
}

// The client's forms come so late that the re-parses cannot reach it: the
// typed text is never placed, nor taken out of the list.
TEST_F(SimBetCommand, ATypedListIsKeptWhenTheClientIsTooSlowForTheReparse) {
    writeBytes(home.path() + "bets.txt", "東京 2R 単勝 1 100\n");
    ASSERT_EQ(runOrnel({"sim", "connect", "--home", home.path() + "home", "--now", "2024-06-15 09:30"}).status, 0);
    auto args = std::vector<std::string>{"sim", "bet", "--home", home.path() + "home", "--now", "2024-06-15 09:30",
                                         "--fault", "slow-open=15000", home.path() + "bets.txt"};
    const auto run = runOrnel(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 9), "result 0\n") << u8(run.out);
    EXPECT_NE(run.out.find("\nlist\n東京 2R 単勝 1 100\r\nledger\n"), std::string::npos) << u8(run.out);
    EXPECT_EQ(run.out.substr(run.out.size() - 7), "ledger\n") << "nothing placed";
}

TEST_F(SimBetCommand, UsageErrors) {
    EXPECT_EQ(runOrnel({"sim", "bet", "--home", home.path() + "home"}).status, 2) << "no bet file";
    EXPECT_EQ(bet({"--stop-after-lines", "0"}).status, 2);
}

}  // namespace
