// 発走時刻の読込 (32778) and 出馬表の読込 (32781) as the user meets them: the
// file dialog, the race-card files, archives and their library, the
// messages and the status box.
#include <filesystem>

#include "bet_list_window_fixture.h"
#include "clientdata/client_race_cards.h"
#include "clientdata/race_card_import.h"
#include "support/client_files.h"
#include "support/lzh_archives.h"
#include "ui/main_commands.h"

namespace listwindow_test {
namespace {

using testsupport::raceCardLine;
using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;
using testsupport::writeTextFile;

constexpr int kImport = ui::kIdReadStartTimes;

// The day's card: 東京 5回 2日目 races 1..12 from 10:00, one every 35 minutes.
std::string todaysCard() {
    std::string card;
    for (int race = 1; race <= 12; ++race) {
        const int minutes = 10 * 60 + 35 * (race - 1);
        card += raceCardLine(5, 5, 2, race, 1205, minutes / 60 * 100 + minutes % 60).str() + "\r\n";
    }
    return card;
}

class RaceCardCommandTest : public BetListWindowTest {
protected:
    RaceCardCommandTest() {
        terms_.meetings[0].venueCode = 5;
        terms_.meetings[0].kai = 5;
        terms_.meetings[0].nichime = 2;
        terms_.raceCardDate = 1204;
    }
    int startTime(int race) const { return terms_.meetings[0].races[race - 1].startTime; }
    std::string programDir() const { return dir_.path(); }  // where ornel.exe is
    bool extractedCopyExists() const { return std::filesystem::exists(programDir() + "JRA#DEN1.DAT"); }
    void command(int id) {
        if (main_ == 0) start();
        press(id);
    }
    void importFile(const std::string& path) {
        user_.setOpenFileAnswer(path);
        command(kImport);
    }
};

TEST_F(RaceCardCommandTest, TheDataFileSetsTheStartTimesAndTheStatusBoxShowsItsDate) {
    std::filesystem::create_directories(dir_.file("cards"));
    writeBytes(dir_.file("cards/JRA#DEN1.DAT"), todaysCard());
    importFile(dir_.file("cards/jra#den1.dat"));

    ASSERT_EQ(modalsShown().size(), 1u);
    const sim::ModalInfo dialog = modalsShown()[0];
    EXPECT_TRUE(dialog.isOpenFile);
    EXPECT_EQ(dialog.filter, clientdata::kRaceCardFilter);
    EXPECT_EQ(dialog.defaultExtension, "DAT");
    EXPECT_EQ(connector_.calls, 1);  // the terms are made sure of first
    EXPECT_EQ(startTime(1), 1000);
    EXPECT_EQ(startTime(12), 1625);
    EXPECT_EQ(terms_.raceCardDate, 1205);
    EXPECT_NE(statusText().find("発走時刻 12/05"), std::string::npos) << u8(statusText());
}

TEST_F(RaceCardCommandTest, ATargetCardWithALowerCaseExtensionIsRead) {
    writeBytes(betDir() + "981205東.den", todaysCard());
    importFile(betDir() + "981205東.den");
    EXPECT_TRUE(boxesShown().empty());
    EXPECT_EQ(startTime(2), 1035);
}

TEST_F(RaceCardCommandTest, ACardOfAnotherDayIsReportedWithItsDate) {
    terms_.meetings[0].races[0].startTime = 950;
    writeTextFile(betDir() + "981128.DEN", {raceCardLine(5, 5, 1, 1, 1128, 1000)});
    importFile(betDir() + "981128.DEN");
    ASSERT_EQ(boxesShown().size(), 1u);
    EXPECT_EQ(u8(boxesShown()[0]),
              u8("有効な出馬表ファイルではありません！\n投票要項と同じ日の出馬表データを入力してください。\n"
                 "今回のデータは 11 月 28 日分でした。"));
    EXPECT_EQ(startTime(1), 950);
    EXPECT_EQ(terms_.raceCardDate, 1204);
}

TEST_F(RaceCardCommandTest, MissingFilesOtherFilesAndCancelChangeNothing) {
    importFile(betDir() + "NONE.DEN");
    ASSERT_EQ(boxesShown().size(), 1u);
    EXPECT_EQ(u8(boxesShown()[0]), u8("出馬表ファイルが見つかりません！"));

    writeBytes(betDir() + "card.txt", todaysCard());  // neither a card nor an archive: not read
    importFile(betDir() + "card.txt");
    importFile("");                                    // ｷｬﾝｾﾙ
    EXPECT_EQ(boxesShown().size(), 1u);
    EXPECT_EQ(startTime(1), 0);

    connector_.result = -1;  // the client could not be made ready: no dialog
    const std::size_t shown = modalsShown().size();
    importFile(betDir() + "card.txt");
    EXPECT_EQ(modalsShown().size(), shown);
}

TEST_F(RaceCardCommandTest, AnArchiveIsUnpackedIntoTheProgramDirectoryWhateverBlanksItsPathHolds) {
    std::filesystem::create_directories(dir_.file("my cards"));
    writeBytes(dir_.file("my cards/week 49.lzh"),
               testsupport::storedLzhArchive({{"README.TXT", "x"}, {"DEN\\JRA#DEN1.DAT", todaysCard()}}));
    importFile(dir_.file("my cards/week 49.lzh"));
    EXPECT_TRUE(boxesShown().empty());
    EXPECT_EQ(startTime(12), 1625);
    // The terms are today's: the unpacked copy stays, and nothing else was written.
    EXPECT_EQ(readBytes(programDir() + "JRA#DEN1.DAT"), todaysCard());
    EXPECT_FALSE(std::filesystem::exists(programDir() + "README.TXT"));
    EXPECT_FALSE(std::filesystem::exists(programDir() + "DEN"));
}

TEST_F(RaceCardCommandTest, WithTermsOfAnotherDayTheUnpackedCopyIsRemovedBeforeAndAfter) {
    terms_.termsDay = 4;
    writeBytes(programDir() + "JRA#DEN1.DAT", "stale");
    writeBytes(betDir() + "a.lzh", testsupport::storedLzhArchive({{"OTHER.DAT", "x"}}));
    importFile(betDir() + "a.lzh");
    ASSERT_EQ(boxesShown().size(), 1u);
    EXPECT_EQ(u8(boxesShown()[0]), u8("UNLHAで解凍中にエラーが起こりました！"));
    EXPECT_FALSE(extractedCopyExists());

    writeBytes(betDir() + "b.lzh", testsupport::storedLzhArchive({{"JRA#DEN1.DAT", todaysCard()}}));
    importFile(betDir() + "b.lzh");
    EXPECT_EQ(startTime(1), 1000);
    EXPECT_FALSE(extractedCopyExists());
}

TEST_F(RaceCardCommandTest, ABusyLibraryStopsBeforeAnythingIsUnpackedAndAnOldOneIsOnlyWarnedAbout) {
    writeBytes(betDir() + "b.lzh", testsupport::storedLzhArchive({{"JRA#DEN1.DAT", todaysCard()}}));
    desktop_.setLhaLibrary({.installed = true, .version = 100, .busy = true});
    importFile(betDir() + "b.lzh");
    ASSERT_EQ(boxesShown().size(), 1u);
    EXPECT_EQ(u8(boxesShown()[0]), u8("UNLHAが他のｱﾌﾟﾘｹｰｼｮﾝで使用中です！"));
    EXPECT_FALSE(extractedCopyExists());
    EXPECT_EQ(startTime(1), 0);
    EXPECT_EQ(terms_.raceCardDate, 1204);

    desktop_.setLhaLibrary({.installed = true, .version = 71, .busy = false});
    importFile(betDir() + "b.lzh");
    ASSERT_EQ(boxesShown().size(), 2u);
    EXPECT_EQ(u8(boxesShown()[1]),
              u8("UNLHAのバーションが古いようです！\n処理を続行しますが正常に解凍出来ないかもしれません。"));
    EXPECT_EQ(startTime(1), 1000);
}

TEST_F(RaceCardCommandTest, WithoutTheLibraryAnArchiveGivesTheExtractionError) {
    writeBytes(betDir() + "b.lzh", testsupport::storedLzhArchive({{"JRA#DEN1.DAT", todaysCard()}}));
    desktop_.setLhaLibrary({.installed = false});
    importFile(betDir() + "b.lzh");
    ASSERT_EQ(boxesShown().size(), 2u);  // version 0 is old, then the failure
    EXPECT_EQ(u8(boxesShown()[1]), u8("UNLHAで解凍中にエラーが起こりました！"));
    EXPECT_EQ(startTime(1), 0);
}

TEST_F(RaceCardCommandTest, AnArchiveOfARealPacker) {
    if (!testsupport::haveLzhPacker()) GTEST_SKIP() << "no LHA archiver installed (test.sh installs one)";
    std::filesystem::create_directories(dir_.file("pack/week 49"));
    writeBytes(dir_.file("pack/week 49/JRA#DEN1.DAT"), todaysCard());
    ASSERT_TRUE(testsupport::packLzh(dir_.file("pack/"), "den1205.lzh", {"week 49/JRA#DEN1.DAT"}));
    importFile(dir_.file("pack/den1205.lzh"));
    EXPECT_TRUE(boxesShown().empty());
    EXPECT_EQ(startTime(7), 1330);
}

TEST_F(RaceCardCommandTest, TheClientsRaceCardFilesAreReadWithoutTouchingTheCardDate) {
    settings_.pat95Dir = dir_.file("pat/Pat95.exe");
    std::filesystem::create_directories(dir_.file("pat"));
    writeTextFile(dir_.file("pat/De-52a.Jra"), {testsupport::clientRaceCardLine("東京", 5, 2, 10, 1505)});
    command(ui::kIdReadRaceCards);
    EXPECT_EQ(startTime(10), 1505);
    EXPECT_EQ(terms_.raceCardDate, 1204);
    EXPECT_TRUE(modalsShown().empty());
}

}  // namespace
}  // namespace listwindow_test
