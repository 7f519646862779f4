// Start times from a race-card file (JRA#DEN1.DAT, TARGET .DEN) and from the
// client's own race-card files.
#include <gtest/gtest.h>

#include "client_dir_fixture.h"
#include "clientdata/client_race_cards.h"
#include "clientdata/race_card_start_times.h"
#include "support/client_files.h"

namespace clientdata {
namespace {

using testsupport::clientRaceCardLine;
using testsupport::raceCardLine;
using testsupport::writeTextFile;

class RaceCardTest : public clienttest::ClientDirTest {
protected:
    RaceCardTest() {
        meeting(0, 5, 5, 8);  // 東京 5回 8日目
        meeting(2, 8, 3, 2);  // 京都 3回 2日目
        terms.meetings[0].races[2].startTime = 1111;
        terms.raceCardDate = 1204;
    }
    void meeting(int slot, int venue, int kai, int nichime) {
        terms.meetings[slot].venueCode = static_cast<std::uint8_t>(venue);
        terms.meetings[slot].kai = static_cast<std::uint8_t>(kai);
        terms.meetings[slot].nichime = static_cast<std::uint8_t>(nichime);
    }
    bool take(const std::vector<std::string>& lines) {
        writeTextFile(cardDir() + "JRA#DEN1.DAT", lines);
        plat::TextFile file;
        EXPECT_TRUE(file.open(cardDir() + "JRA#DEN1.DAT", plat::TextFile::Mode::Read));
        return TakeRaceCardStartTimes(terms, file, cardDate);
    }
    int start(int slot, int race) const { return terms.meetings[slot].races[race - 1].startTime; }

    base::VotingTerms terms;
    int cardDate = -1;
};

TEST_F(RaceCardTest, LinesOfTheDaysMeetingsSetTheirRacesStartTimes) {
    EXPECT_TRUE(take({raceCardLine(5, 0, 0, 0, 0, 0),  // a line without a date: the date comes later
                      raceCardLine(5, 5, 8, 1, 1205, 1000), raceCardLine(5, 5, 8, 12, 1205, 1630),
                      raceCardLine(8, 3, 2, 11, 1205, 1545), raceCardLine(5, 5, 8, 13, 1205, 1700),
                      raceCardLine(5, 5, 7, 2, 1205, 1035),  // another 日目
                      raceCardLine(5, 4, 8, 2, 1205, 1035),  // another 回
                      raceCardLine(6, 5, 8, 2, 1205, 1035),  // 中山 is not held
                      raceCardLine(5, 5, 8, 1, 1206, 1005)}));
    EXPECT_EQ(start(0, 1), 1005);  // a later line for the race wins
    EXPECT_EQ(start(0, 2), 0);
    EXPECT_EQ(start(0, 3), 1111);  // no line: kept
    EXPECT_EQ(start(0, 12), 1630);
    EXPECT_EQ(start(0, 13), 0);    // race 13 is not bet
    EXPECT_EQ(start(2, 11), 1545);
    EXPECT_EQ(start(1, 2), 0);
    EXPECT_EQ(cardDate, 1205);     // the first date of the card
    EXPECT_EQ(terms.raceCardDate, 1205);
}

TEST_F(RaceCardTest, ACardOfAnotherDayTakesNothingAndTellsItsDate) {
    EXPECT_FALSE(take({raceCardLine(5, 5, 7, 1, 1128, 1000), raceCardLine(8, 3, 1, 1, 1128, 1000)}));
    EXPECT_EQ(cardDate, 1128);
    EXPECT_EQ(start(0, 1), 0);
    EXPECT_EQ(start(0, 3), 1111);
    // The status box keeps naming the card the start times came from.
    EXPECT_EQ(terms.raceCardDate, 1204);

    EXPECT_FALSE(take({}));
    EXPECT_EQ(cardDate, 0);
}

TEST_F(RaceCardTest, ClientFilesAreNamedByVenueDayAndHexadecimalRace) {
    EXPECT_EQ(ClientRaceCardFileName(5, 8, 10), "De-58a.Jra");
    EXPECT_EQ(ClientRaceCardFileName(8, 2, 12), "De-82c.Jra");
    EXPECT_EQ(ClientRaceCardFileName(10, 1, 9), "De-1019.Jra");
}

TEST_F(RaceCardTest, ClientFilesOfTheMeetingSetStartTimes) {
    writeTextFile(clientDir() + "De-581.Jra", {clientRaceCardLine("東京", 5, 8, 1, 1000), " 1  1 horse"});
    writeTextFile(clientDir() + "De-58a.Jra", {clientRaceCardLine("東京", 5, 8, 10, 1505)});
    writeTextFile(clientDir() + "De-58b.Jra", {clientRaceCardLine("中山", 5, 8, 11, 1540)});  // another venue
    writeTextFile(clientDir() + "De-58c.Jra", {clientRaceCardLine("東京", 4, 8, 12, 1625)});  // another 回
    writeTextFile(clientDir() + "De-582.Jra", {});                                            // empty
    writeTextFile(clientDir() + "De-32b.Jra", {clientRaceCardLine("京都", 3, 2, 11, 1545)});  // not the slot's venue
    writeTextFile(clientDir() + "De-82b.Jra", {clientRaceCardLine("京都", 3, 2, 11, 1550)});
    ReadClientRaceCards(terms, clientExe());
    EXPECT_EQ(start(0, 1), 1000);
    EXPECT_EQ(start(0, 2), 0);
    EXPECT_EQ(start(0, 3), 1111);  // no file: kept
    EXPECT_EQ(start(0, 10), 1505);
    EXPECT_EQ(start(0, 11), 0);
    EXPECT_EQ(start(0, 12), 0);
    EXPECT_EQ(start(2, 11), 1550);
    EXPECT_EQ(terms.raceCardDate, 1204);
}

}  // namespace
}  // namespace clientdata
