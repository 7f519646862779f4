// `ornel sim bet` end to end: a bet file placed through the replacement
// client in a simulated home, the list afterwards and the centre's ledger.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "betclient/centre/generator.h"
#include "betclient/centre/venues.h"
#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

namespace {

constexpr const char* kSimDay =
    "date 2024-06-15\n"
    "account user=11112222 password=0123 limit=100000 balance=100000\n"
    "meeting 東京 kai=3 nichime=2\n"
    "race 1 sale=15 start=15:00 horses=777777777777\n"
    "race 2 sale=15 start=15:30 horses=777777777777\n";

constexpr const char* kSimBets = "東京 1R 馬連 3-5 1000\n6-7 300\n東京 2R 単勝 1,2 200\n";

class SimBetCommand : public ::testing::Test {
protected:
    SimBetCommand() {
        std::filesystem::create_directories(file("client"));
        writeBytes(file("client/day.txt"), kSimDay);
        writeBytes(home.path() + "bets.txt", kSimBets);
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
    EXPECT_EQ(run.status, 1) << "a stopped run did not do all it was asked";
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

// Each run starts the whole program, whose start-up reads the running
// totals back: the previous run's vote log is not echoed into the bet log
// again, and the day's totals go on from where they were.
TEST_F(SimBetCommand, EachRunGoesOnFromTheTotalsTheRunBeforeLeft) {
    writeBytes(home.path() + "one.txt", "東京 1R 単勝 3 100\n");
    for (int i = 0; i < 2; ++i) {
        const auto run = runOrnel({"sim", "bet", "--home", home.path() + "home", "--now", "2024-06-15 10:00",
                                   home.path() + "one.txt"});
        ASSERT_EQ(run.out.substr(0, 9), "result 1\n") << u8(run.out);
    }
    const std::string log = readBytes(file("bets/BT240615.LOG"));
    std::size_t receipts = 0;
    for (std::size_t at = log.find("受付番号#0001"); at != std::string::npos; at = log.find("受付番号#0001", at + 1))
        ++receipts;
    EXPECT_EQ(receipts, 1u) << u8(log);
    EXPECT_NE(log.find("受付番号#0002"), std::string::npos) << u8(log);
    const std::string profile = readBytes(file("WINDOWS/Ornel.INI"));
    // Today's purchase 200 after two runs of 100 yen, today's payout 0.
    EXPECT_NE(profile.find("Current Info=2024/06/15 /       200 /         0 /"), std::string::npos) << profile;
}

TEST_F(SimBetCommand, AnErrorAnswerFailsWithTheDriversMessageAndKeepsTheList) {
    const auto run = bet({"--fault", "error-11028"});
    EXPECT_EQ(run.status, 1) << "the run failed";
    EXPECT_EQ(run.out.substr(0, 10), "result -1\n");
    EXPECT_NE(run.out.find("\n8141 Ｐａｔ９５が正常に操作できません。\\rベット内容をご確認ください。\n"), std::string::npos)
        << u8(run.out);
    EXPECT_NE(run.out.find("\nlist\n001: 東京  1R 馬連 03-05     1000\r\n"), std::string::npos) << u8(run.out);
    EXPECT_EQ(run.out.substr(run.out.size() - 7), "ledger\n") << "nothing accepted";
}

// The client's forms come so late that the connections fail: the typed
// bet is neither placed nor taken out of the list, and the run is no
// success.
TEST_F(SimBetCommand, ATypedListIsKeptWhenTheClientIsTooSlow) {
    writeBytes(home.path() + "bets.txt", "東京 2R 単勝 1 100\n");
    ASSERT_EQ(runOrnel({"sim", "connect", "--home", home.path() + "home", "--now", "2024-06-15 09:30"}).status, 0);
    auto args = std::vector<std::string>{"sim", "bet", "--home", home.path() + "home", "--now", "2024-06-15 09:30",
                                         "--fault", "slow-open=15000", home.path() + "bets.txt"};
    const auto run = runOrnel(args);
    EXPECT_NE(run.out.substr(0, 9), "result 1\n") << u8(run.out);
    EXPECT_NE(run.out.find("2R 単勝    01      100\r\nledger\n"), std::string::npos) << u8(run.out);
    EXPECT_EQ(run.out.substr(run.out.size() - 7), "ledger\n") << "nothing placed";
}

// A UTF-8 file with a byte-order mark keeps its first bet; text after a NUL
// byte is not placed, and standard error says so.
TEST_F(SimBetCommand, EveryBetOfTheTextIsPlacedOrNamedAsDropped) {
    writeBytes(home.path() + "bets.txt", "\xEF\xBB\xBF" + u8("東京 1R 馬連 3-5 1000\n東京 2R 単勝 1 200\n"));
    auto run = bet({"--utf8"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find(u8("\nledger\n001: 東京  1R 馬連 03-05     1000\r\n002: 東京  2R 単勝    01      200\r\n")),
              std::string::npos)
        << run.out;

    writeBytes(home.path() + "bets.txt", std::string("東京 2R 単勝 2 300\n") + '\0' + "東京 2R 単勝 3 300\n");
    run = bet({});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "ornel sim bet: dropped 21 bytes (1 line) from line 2 on: a NUL byte ends the text\n");
    EXPECT_EQ(run.out.substr(run.out.size() - 35), "003: 東京  2R 単勝    02      300\r\n") << u8(run.out);
}

// Two commands on one home would each start a client on the same files:
// the second is refused while the first holds the home.
TEST_F(SimBetCommand, AHomeIsUsedByOneCommandAtATime) {
    ASSERT_EQ(bet({}).status, 0);
    const int fd = open(file("home.lock").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    writeBytes(file("home.lock"), "4321\n");
    auto run = bet({});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "ornel sim bet: the home " + file("") +
                           " is in use by another ornel command (process 4321); one command at a time may use a home\n");
    EXPECT_EQ(run.out, "");
    close(fd);
    run = bet({});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n008: "), std::string::npos) << "both runs in one ledger: " << u8(run.out);
}

// A stray line in the centre's state: nothing runs, nothing is written over,
// and the message names the file and the line.
TEST_F(SimBetCommand, AStateThatCannotBeReadStopsTheCommandAndIsKept) {
    ASSERT_EQ(bet({}).status, 0);
    const std::string state = readBytes(file("client/centre-state.txt")) + "stray\n";
    writeBytes(file("client/centre-state.txt"), state);
    const std::string log = readBytes(file("client/Lg-00.JRA"));
    const auto run = bet({});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "ornel sim bet: " + file("client/centre-state.txt") + ", line 9: not a state record\n");
    EXPECT_EQ(readBytes(file("client/centre-state.txt")), state);
    EXPECT_EQ(readBytes(file("client/Lg-00.JRA")), log);
    EXPECT_FALSE(std::filesystem::exists(file("client/Lg-01.JRA")));
}

// The profile names the client and the bet folder on the home's own drive,
// so a copy of a home bets with its own client.
TEST_F(SimBetCommand, ACopiedHomeUsesItsOwnClient) {
    ASSERT_EQ(bet({}).status, 0);
    const std::string stateBefore = readBytes(file("client/centre-state.txt"));
    std::filesystem::copy(file(""), home.path() + "copy", std::filesystem::copy_options::recursive);
    const auto run = runOrnel({"sim", "bet", "--home", home.path() + "copy", "--now", "2024-06-15 10:00",
                               home.path() + "bets.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n008: "), std::string::npos) << u8(run.out);
    EXPECT_EQ(readBytes(file("client/centre-state.txt")), stateBefore) << "the original is untouched";
    EXPECT_NE(readBytes(home.path() + "copy/bets/BT240615.LOG"), "");
}

// A later date: the client moves on to that day (its own meetings, receipts
// from 1), the day before is kept; going back to it afterwards is refused.
TEST_F(SimBetCommand, ALaterDayBetsIntoThatDaysLedger) {
    ASSERT_EQ(bet({}).status, 0);
    const centre::Day next = centre::generateDay(2024, 6, 16);
    writeBytes(home.path() + "next.txt", std::string(centre::venueName(next.meetings[0].venue)) + " 12R 単勝 1 100\n");
    auto run = runOrnel({"sim", "bet", "--home", file(""), "--now", "2024-06-16 10:00", home.path() + "next.txt"});
    EXPECT_EQ(run.status, 0) << run.err << u8(run.out);
    EXPECT_EQ(run.out.substr(run.out.find("\nledger\n")),
              "\nledger\n001: " + std::string(centre::venueName(next.meetings[0].venue)) + " 12R 単勝    01      100\r\n")
        << u8(run.out);
    EXPECT_NE(readBytes(file("client/centre-state-20240615.txt")).find("bet 1 4 "), std::string::npos);
    EXPECT_NE(readBytes(file("client/day-20240615.txt")), "");
    EXPECT_NE(readBytes(file("bets/BT240616.LOG")), "");

    run = bet({});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "ornel sim bet: the client in " + file("client/") +
                           " is on 2024-06-16; a run on 2024-06-15 would go back in time\n");
}

// Every kind goes at the largest scale taken; beyond it the client's bracket
// grid is too high for the driver to take it for one, and the scale is
// refused rather than failing every 枠連 bet.
TEST_F(SimBetCommand, EveryKindGoesAtTheLargestScale) {
    writeBytes(home.path() + "bets.txt", "東京 1R 単勝 1 100\n東京 1R 複勝 2 100\n東京 1R 枠連 3-5 100\n東京 1R 馬連 3-5 100\n");
    auto run = bet({"--scale", "1.6"});
    EXPECT_EQ(run.status, 0) << u8(run.out);
    EXPECT_NE(run.out.find("\n003: 東京  1R 枠連 03-05      100\r\n004: "), std::string::npos) << u8(run.out);

    run = bet({"--scale", "1.65"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "ornel sim bet: --scale takes a number from 0.5 to 1.6 (larger forms cannot take 枠連 bets), "
                       "not \"1.65\"; see ornel sim bet --help\n");
}

// A wait far beyond the settings dialog's range keeps the run from ending
// (here in the main window's start-up): it is stopped at its limit and torn
// down cleanly, and the command says why.
TEST_F(SimBetCommand, ARunThatDoesNotEndIsStoppedAndExplained) {
    ASSERT_EQ(bet({}).status, 0);
    writeBytes(file("WINDOWS/Ornel.INI"), readBytes(file("WINDOWS/Ornel.INI")) + "Message Wait=2147483647\r\n");
    const auto run = bet({});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "ornel sim bet: the run did not end within 6 hours of virtual time and was stopped; the driver's "
              "waits from the home's profile: Message Wait 2147483647 ms, Action Wait 500 ms, Window Open Wait 2 s\n");
}

TEST_F(SimBetCommand, UsageErrors) {
    EXPECT_EQ(runOrnel({"sim", "bet", "--home", home.path() + "home"}).status, 2) << "no bet file";
    EXPECT_EQ(bet({"--stop-after-lines", "0"}).status, 2);
}

}  // namespace
