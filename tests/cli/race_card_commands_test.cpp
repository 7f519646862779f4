// `ornel racecard`, `ornel sim racecards` and `ornel timerbet` end to end:
// start times from race-card files, archives and the client's information
// screen; timer-bet files proposed, typed, refused and loaded back.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/sjis.h"
#include "run_ornel.h"
#include "support/client_files.h"
#include "support/lzh_archives.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

namespace {

std::string utf8(const std::string& cp932) { return sjis::toUtf8(cp932); }

// ---- ornel racecard ----

// A client directory with the terms of 2024-06-15: 東京 3回 4日目 in slot 0.
class RaceCardCommand : public ::testing::Test {
protected:
    RaceCardCommand() {
        testsupport::useJapanTime();
        std::filesystem::create_directories(dir.file("client"));
        writeBytes(dir.file("client/Pat95.exe"), "");
        testsupport::writeTextFile(dir.file("client/Uy-a.Jra"), {testsupport::termsLine({}).str()});
    }
    cli_test::Run raceCard(const std::string& file) {
        return runOrnel({"racecard", "--client-dir", dir.file("client"), "--now", "2024-06-15 10:00", "--utf8", file});
    }
    // The day's card: 東京 3回 4日目 races 1..13 from 9:50, then a line of
    // another racecourse.
    static std::string todaysCard() {
        std::string card;
        for (int race = 1; race <= 13; ++race)
            card += testsupport::raceCardLine(5, 3, 4, race, 615, 950 + race).str() + "\r\n";
        return card + testsupport::raceCardLine(9, 3, 4, 1, 615, 1200).str() + "\r\n";
    }
    // The lines the command prints for slot 0 when the card was read.
    static std::string todaysStartTimes() {
        std::string lines = "race-card-date 0615\n";
        for (int race = 1; race <= 12; ++race)
            lines += "slot 0 race " + std::to_string(race) + " start 0" + std::to_string(950 + race) + "\n";
        return lines;
    }

    testsupport::TempDir dir;
};

TEST_F(RaceCardCommand, TheDataFileGivesTheStartTimesAndTheStatusBoxNamesItsDate) {
    writeBytes(dir.file("JRA#DEN1.DAT"), todaysCard());
    const auto run = raceCard(dir.file("JRA#DEN1.DAT"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, todaysStartTimes().size()), todaysStartTimes()) << run.out;
    EXPECT_NE(run.out.find("\n\n"), std::string::npos);
    EXPECT_NE(run.out.find(utf8("投票要項 06/15\r\n発走時刻 06/15\n")), std::string::npos) << run.out;
}

TEST_F(RaceCardCommand, ALowerCaseDenOfAnotherDayIsReportedWithItsMonthAndDay) {
    testsupport::writeTextFile(dir.file("card.den"), {testsupport::raceCardLine(5, 3, 3, 1, 608, 1000)});
    const auto run = raceCard(dir.file("card.den"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, utf8("0 有効な出馬表ファイルではありません！\\n投票要項と同じ日の出馬表データを入力してください。"
                            "\\n今回のデータは 6 月 8 日分でした。\n"));
    EXPECT_TRUE(run.out.starts_with("race-card-date 0\nslot 0 race 1 start 0\n")) << run.out;
}

TEST_F(RaceCardCommand, AnArchiveWhosePathHoldsBlanksIsUnpacked) {
    std::filesystem::create_directories(dir.file("my cards/week 24"));
    if (testsupport::haveLzhPacker()) {
        writeBytes(dir.file("my cards/week 24/JRA#DEN1.DAT"), todaysCard());
        ASSERT_TRUE(testsupport::packLzh(dir.file("my cards/"), "den 0615.lzh", {"week 24/JRA#DEN1.DAT"}));
    } else {
        writeBytes(dir.file("my cards/den 0615.lzh"),
                   testsupport::storedLzhArchive({{"week 24\\JRA#DEN1.DAT", todaysCard()}}));
    }
    const auto run = raceCard(dir.file("my cards/den 0615.lzh"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, todaysStartTimes().size()), todaysStartTimes()) << run.out;
}

TEST_F(RaceCardCommand, UsageErrorsAndUnreadableFiles) {
    EXPECT_EQ(runOrnel({"racecard", dir.file("JRA#DEN1.DAT")}).status, 2);  // no --client-dir
    EXPECT_EQ(runOrnel({"racecard", "--client-dir", dir.file("client")}).status, 2);
    const auto missing = raceCard(dir.file("none.lzh"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
}

// ---- ornel sim racecards ----

// Every "slot S race R start T": the start times.
std::vector<int> startTimes(const std::string& out) {
    std::vector<int> times;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        int slot = 0, race = 0, time = 0;
        if (std::sscanf(line.c_str(), "slot %d race %d start %d", &slot, &race, &time) == 3) times.push_back(time);
    }
    return times;
}

TEST(SimRaceCardsCommand, TheClientsCardsGiveEveryRaceItsStartTimeAndAFailedFetchSaysSo) {
    testsupport::TempDir home;
    const auto run = runOrnel({"sim", "racecards", "--home", home.file("home"), "--now", "2024-06-15 10:00"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 9), "result 0\n") << run.out;
    EXPECT_NE(run.out.find("\nvirtual-ms "), std::string::npos);
    EXPECT_NE(run.out.find("\nrace-card-date 0\n"), std::string::npos) << "the client's cards name no date";
    const std::vector<int> times = startTimes(run.out);
    ASSERT_GE(times.size(), 12u);
    for (std::size_t i = 1; i < 12; ++i) EXPECT_GT(times[i], times[i - 1]) << "race " << i + 1;
    EXPECT_GE(times[0], 930);

    const auto failed = runOrnel({"sim", "racecards", "--home", home.file("home"), "--now", "2024-06-15 11:00",
                                  "--fault", "minimized=info", "--utf8"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out.substr(0, 10), "result -1\n");
    EXPECT_NE(failed.out.find(utf8("\n8141 Ｐａｔ９５が正常に操作できません。")), std::string::npos) << failed.out;
}

// ---- ornel timerbet ----

const std::string kTokyoBets = "東京 11R 馬連 3-5 1000\n東京 12R 単勝 7 500\n";

class TimerBetCommand : public ::testing::Test {
protected:
    TimerBetCommand() {
        testsupport::useJapanTime();
        std::filesystem::create_directories(betDir());
        writeBytes(dir.file("bets.txt"), utf8(kTokyoBets));
    }
    std::string betDir() const { return dir.file("bets"); }
    cli_test::Run timerBet(const std::string& now, const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args = {"timerbet", "--bet-dir", betDir(), "--now", now, "--utf8"};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(dir.file("bets.txt"));
        return runOrnel(args);
    }
    std::vector<std::string> timerBetFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(betDir()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    testsupport::TempDir dir;
};

TEST_F(TimerBetCommand, OnAWednesdayTheComingSaturdayIsProposedAndTheFileLoadsBackToTheSameBets) {
    const auto run = timerBet("1998-12-02 10:00");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string path = betDir() + "/TC050940.BET";
    EXPECT_EQ(run.out, "proposed 98-12-05 09:40\nwritten " + path + "\n" +
                           utf8("\r\n東京 98年 12月  5日\r\n\r\n"
                                " 11R 馬連 03-05    1.0     1000\r\n"
                                " 12R 単勝  7    1.0      500\r\n"));

    const auto parsed = runOrnel({"parse", "--utf8", dir.file("bets.txt")});
    const auto loaded = runOrnel({"load", "--bet-dir", betDir(), "--now", "1998-12-05 09:40", "--sjis", path});
    EXPECT_EQ(loaded.status, 0);
    EXPECT_EQ(utf8(loaded.out), parsed.out);
    EXPECT_EQ(parsed.out, utf8("001: 東京 11R 馬連 03-05     1000\r\n002: 東京 12R 単勝    07      500\r\n"));
}

TEST_F(TimerBetCommand, OnSaturdayEveningSundayIsProposedAndAnHourOutOfRangeWritesNothing) {
    const auto run = timerBet("1998-12-05 17:00", {"--at", "98-12-06 17:00"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "proposed 98-12-06 09:40\n");
    EXPECT_EQ(run.err, utf8("0 9 から 16 までの整数を入力してください。\n"));
    EXPECT_TRUE(timerBetFiles().empty());

    const auto typed = timerBet("1998-12-05 17:00", {"--at", "98-1-6 9:05"});
    EXPECT_EQ(typed.status, 0);
    EXPECT_EQ(timerBetFiles(), std::vector<std::string>{"T1060905.BET"});
}

TEST_F(TimerBetCommand, OnSundayThePresentMinuteIsProposedWithTheHeadersMonthAndDay) {
    auto run = timerBet("1998-12-06 14:05");
    EXPECT_EQ(run.out.substr(0, 24), "proposed 98-12-06 14:05\n");
    run = timerBet("1998-12-06 14:05", {"--header", "10-25"});
    EXPECT_EQ(run.out.substr(0, 24), "proposed 98-10-25 14:05\n");
    EXPECT_NE(run.out.find(utf8("東京 98年 10月 25日")), std::string::npos) << run.out;
    EXPECT_EQ(timerBetFiles().size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(betDir() + "/TA251405.BET"));
}

TEST_F(TimerBetCommand, AnEmptyListPrintsNothingAndBadArgumentsAreUsageErrors) {
    writeBytes(dir.file("bets.txt"), "");
    const auto run = timerBet("1998-12-02 10:00");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(timerBetFiles().empty());

    EXPECT_EQ(timerBet("1998-12-02 10:00", {"--at", "98-12-06"}).status, 2);
    EXPECT_EQ(timerBet("1998-12-02 10:00", {"--header", "13-01"}).status, 2);
    EXPECT_EQ(timerBet("1998-12-02 10:00", {"--header", "12-0"}).status, 2);
    EXPECT_EQ(runOrnel({"timerbet", dir.file("bets.txt")}).status, 2);
}

}  // namespace
