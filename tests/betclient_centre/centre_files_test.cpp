// The centre in a client directory on the simulated desktop: the files it
// writes, their stamps, and a restart in the middle of the day.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "betclient/centre/centre.h"
#include "betclient/centre/client_files.h"
#include "betclient/centre/client_registry.h"
#include "betclient/centre/state_text.h"
#include "centre_fixture.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/sim/desktop.h"
#include "support/support.h"

using namespace centre;
using centre_test::bytes;
using centre_test::field;
using testsupport::readBytes;
using testsupport::TempDir;
using testsupport::writeBytes;

namespace {

constexpr std::int64_t k0930 = 912817800;  // 1998-12-05 09:30 JST
constexpr const char* kClient = "Pat95";

// The first line of a file, which must end in CR LF.
std::string firstLine(const std::string& path) {
    std::string all = readBytes(path);
    auto end = all.find("\r\n");
    EXPECT_NE(end, std::string::npos) << path;
    return all.substr(0, end);
}

class CentreFiles : public ::testing::Test {
protected:
    CentreFiles() : desktop((testsupport::useJapanTime(), sim::Desktop::Options{home.path(), k0930})) {
        writeBytes(client.file(kDayFileName), centre_test::kSmallDay);
    }
    // Runs fn as the client program, at the virtual time `afterMs` from 09:30.
    void asClient(std::int64_t afterMs, const std::function<void()>& fn) {
        desktop.runFor(afterMs - desktop.virtualMs());
        ASSERT_TRUE(desktop.call(kClient, fn));
    }
    Centre openCentre(int dayOfMonth = 5) {
        std::string error;
        std::optional<Centre> c = Centre::open(client.path(), 1998, 12, dayOfMonth, error);
        EXPECT_TRUE(c) << error;
        EXPECT_EQ(error, "");
        return c ? std::move(*c) : Centre(Day{}, client.path());
    }

    TempDir home, client;
    sim::Desktop desktop;
};

}  // namespace

TEST_F(CentreFiles, TermsFilesCarryTheDayAndTheClientsClock) {
    Centre c = openCentre();
    EXPECT_EQ(c.day().account.userId, "11112222");  // from day.txt
    EXPECT_TRUE(c.checkLogin("11112222", "0123"));
    EXPECT_FALSE(c.checkLogin("11112222", "123"));
    asClient(0, [&] { EXPECT_TRUE(c.writeTerms(clockHhmm())); });

    const char* names[] = {"Uy-a.Jra", "Uy-b.Jra", "Uy-c.Jra"};
    const int venues[] = {5, 9, 0};
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(names[slot]);
        const std::string line = firstLine(client.file(names[slot]));
        EXPECT_EQ(field(line, 0, 4) * 10000 + field(line, 4, 2) * 100 + field(line, 6, 2), 19981205);
        EXPECT_EQ(field(line, 20, 6), 10000);
        EXPECT_EQ(field(line, 26, 6), 52000);
        EXPECT_EQ(field(line, 58, 2), venues[slot]);
        EXPECT_EQ(field(line, 16, 4), 930);  // fetched at the virtual 09:30
        plat::FileInfo info;
        ASSERT_TRUE(plat::fileStatus(client.file(names[slot]), info));
        EXPECT_EQ(info.lastWrite, k0930);
    }
    EXPECT_EQ(bytes(firstLine(client.file("Uy-b.Jra")), 60, 4), "阪神");
}

TEST_F(CentreFiles, EachVoteWritesItsLogAndARestartCarriesOn) {
    Centre c = openCentre();
    Submission first;
    asClient(60'000, [&] {
        first = c.submit({{5, 2, Kind::Quinella, 3, 12, 10}, {5, 2, Kind::Win, 10, 0, 1}}, clockHhmm());
    });
    ASSERT_TRUE(first.record);
    EXPECT_TRUE(first.saved);
    std::string log = firstLine(client.file("Lg-00.JRA"));
    EXPECT_EQ(bytes(log, 0, 12), "199812050931");
    EXPECT_EQ(field(log, 12, 4), 1);
    EXPECT_EQ(field(log, 20, 2), 2);
    EXPECT_EQ(field(log, 22 + 17, 1), 0);       // 受
    EXPECT_EQ(field(log, 22 + 19 + 17, 1), 2);  // ？ (scratched)
    EXPECT_EQ(field(log, 972, 6), 10);
    EXPECT_EQ(field(log, 981, 9), 90);
    plat::FileInfo info;
    ASSERT_TRUE(plat::fileStatus(client.file("Lg-00.JRA"), info));
    EXPECT_EQ(info.lastWrite, k0930 + 60);

    // The client is restarted: the next vote takes receipt 2 and Lg-01.
    Centre again = openCentre();
    EXPECT_EQ(again.ledger(), c.ledger());
    Submission second;
    asClient(120'000, [&] { second = again.submit({{9, 1, Kind::Win, 4, 0, 5}}, clockHhmm()); });
    ASSERT_TRUE(second.record);
    log = firstLine(client.file("Lg-01.JRA"));
    EXPECT_EQ(field(log, 12, 4), 2);
    EXPECT_EQ(field(log, 978, 3), 298);
    EXPECT_EQ(field(log, 981, 9), 85);
    ASSERT_EQ(again.ledger().size(), 2u);
    EXPECT_EQ(again.ledger()[1], (LedgerEntry{2, 1, {9, 1, Kind::Win, 4, 0, 5}}));

}

// The clock has moved on to 12/6: the centre plays the day after (generated
// with the same seed, the same account), receipts start at 1 and the vote
// logs run on; the files of 12/5 are kept under its date once the new day
// is saved.
TEST_F(CentreFiles, ALaterDateMovesTheCentreOnAndKeepsTheDayBefore) {
    Centre c = openCentre();
    asClient(60'000, [&] { ASSERT_TRUE(c.submit({{5, 2, Kind::Win, 1, 0, 10}}, clockHhmm()).saved); });
    const std::string stateOf5th = readBytes(client.file(kStateFileName));

    Centre next = openCentre(6);
    Day expected = generateDay(1998, 12, 6);
    expected.account = c.day().account;
    EXPECT_EQ(next.day(), expected);
    EXPECT_TRUE(next.ledger().empty());
    EXPECT_EQ(readBytes(client.file(kDayFileName)), centre_test::kSmallDay) << "nothing written before a save";

    Submission vote;
    asClient(120'000, [&] { vote = next.submit({{expected.meetings[0].venue, 1, Kind::Win, 1, 0, 2}}, clockHhmm()); });
    ASSERT_TRUE(vote.record);
    EXPECT_TRUE(vote.saved);
    EXPECT_EQ(vote.record->receiptNo, 1);
    EXPECT_EQ(vote.record->logNumber, 1);
    Day kept;
    std::string error;
    EXPECT_TRUE(parseDayText(readBytes(client.file("day-19981205.txt")), kept, error)) << error;
    EXPECT_EQ(kept, centre_test::smallDay());
    EXPECT_EQ(readBytes(client.file("centre-state-19981205.txt")), stateOf5th);

    // The new day is the client's day now, with its own ledger.
    Centre again = openCentre(6);
    EXPECT_EQ(again.day(), expected);
    EXPECT_EQ(again.ledger(), next.ledger());
    ASSERT_EQ(again.ledger().size(), 1u);
    // A clock that goes back finds the client's day as it is.
    EXPECT_EQ(openCentre(5).day(), expected);
}

// A line that is no state record: the centre cannot open, says which file
// and line, and the day's bets are still there for whoever mends the file.
TEST_F(CentreFiles, AStateThatCannotBeReadIsReportedAndLeftAlone) {
    Centre c = openCentre();
    asClient(60'000, [&] { ASSERT_TRUE(c.submit({{5, 2, Kind::Win, 1, 0, 10}}, clockHhmm()).saved); });
    const std::string state = readBytes(client.file(kStateFileName));
    writeBytes(client.file(kStateFileName), state + "stray line\r\n");

    std::string error;
    EXPECT_FALSE(Centre::open(client.path(), 1998, 12, 5, error));
    EXPECT_EQ(error, "centre-state.txt, line 6: not a state record");
    EXPECT_EQ(readBytes(client.file(kStateFileName)), state + "stray line\r\n");
}

// The state file is replaced whole (a new file renamed over the old one), so
// a write cut short leaves the old state, never half of it.
TEST_F(CentreFiles, TheStateIsReplacedWhole) {
    Centre c = openCentre();
    asClient(60'000, [&] { ASSERT_TRUE(c.submit({{5, 2, Kind::Win, 1, 0, 10}}, clockHhmm()).saved); });
    struct stat before {};
    ASSERT_EQ(stat(client.file(kStateFileName).c_str(), &before), 0);
    asClient(120'000, [&] { ASSERT_TRUE(c.submit({{5, 2, Kind::Win, 2, 0, 10}}, clockHhmm()).saved); });
    struct stat after {};
    ASSERT_EQ(stat(client.file(kStateFileName).c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_FALSE(std::filesystem::exists(client.file(std::string(kStateFileName) + ".new")));
    EXPECT_EQ(openCentre().ledger().size(), 2u);
}

TEST_F(CentreFiles, InformationFilesOfAMeeting) {
    Centre c = openCentre();
    asClient(0, [&] {
        EXPECT_TRUE(c.writePayouts(9, 1030));
        EXPECT_TRUE(c.writeRaceCards(5));
        EXPECT_FALSE(c.writePayouts(1, 1030));  // 札幌 holds no meeting
        EXPECT_TRUE(writeDenFile(client.file("JRA#DEN1.DAT"), c.day()));
    });
    for (const char* name : {"Th-9853.Jra", "Fh-9853.Jra", "Wh-9853.Jra", "Uh-9853.Jra"}) {
        SCOPED_TRACE(name);
        const std::string line = firstLine(client.file(name));
        EXPECT_EQ(bytes(line, 8, 4), "阪神");
        EXPECT_EQ(field(line, 16, 2) * 100 + field(line, 18, 2), 503);
        EXPECT_EQ(field(line, 22, 1), 1);  // 1R is out at 10:30
    }
    EXPECT_EQ(field(firstLine(client.file("Uh-9853.Jra")), 24 + 7, 7), 900);
    for (int r = 1; r <= 12; ++r) {
        const std::string name = std::string("De-53") + "0123456789abc"[r] + ".Jra";
        const std::string line = firstLine(client.file(name));
        EXPECT_EQ(field(line, 22, 4), c.day().meetings[0].races[r - 1].startTime) << name;
    }
    // One race-card line per race of the day.
    std::string den = readBytes(client.file("JRA#DEN1.DAT"));
    EXPECT_EQ(std::count(den.begin(), den.end(), '\n'), 24);
}

TEST_F(CentreFiles, ClientConfigurationInTheRegistry) {
    ModemConfig config{"テスト モデム 33600", 0x01020304};
    asClient(0, [&] { EXPECT_TRUE(installClientConfig(config)); });
    std::vector<std::uint8_t> data;
    plat::Dword type = 0;
    const std::string key = ".Default\\Software\\JRA\\Pat for Win95\\Config";
    ASSERT_TRUE(plat::regRead(plat::RegRoot::Users, key, "Modem Name", data, type));
    EXPECT_EQ(type, plat::REG_SZ);
    EXPECT_EQ(std::string(data.begin(), data.end()), config.modemName + '\0');
    ASSERT_TRUE(plat::regRead(plat::RegRoot::Users, key, "Line Device", data, type));
    EXPECT_EQ(type, plat::REG_BINARY);
    EXPECT_EQ(data, (std::vector<std::uint8_t>{4, 3, 2, 1}));
    ModemConfig back;
    ASSERT_TRUE(readClientConfig(back));
    EXPECT_EQ(back.modemName, config.modemName);
    EXPECT_EQ(back.lineDevice, config.lineDevice);
}
