// The centre in a client directory on the simulated desktop: the files it
// writes, their stamps, and a restart in the middle of the day.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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
    Centre openCentre() {
        std::string error;
        Centre c = Centre::open(client.path(), 1998, 12, 5, error);
        EXPECT_EQ(error, "");
        return c;
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

    // A state of another day is not carried over.
    std::string error;
    Centre nextDay = Centre::open(client.path(), 1998, 12, 6, error);
    EXPECT_EQ(nextDay.ledger().size(), 2u) << "day.txt still names 12/5";
    writeBytes(client.file(kDayFileName), "");
    nextDay = Centre::open(client.path(), 1998, 12, 6, error);
    EXPECT_EQ(error, "no date");
    EXPECT_EQ(nextDay.day().day, 6);  // the generated day
    EXPECT_TRUE(nextDay.ledger().empty());
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
