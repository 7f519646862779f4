// LHA extraction of one member from an archive, in the three calls the
// race-card import makes.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/sim/desktop.h"
#include "platform/system.h"
#include "support/lzh_archives.h"
#include "support/support.h"
#include "windows_path.h"

namespace {

using testsupport::readBytes;
using testsupport::TempDir;
using testsupport::writeBytes;
using Member = testsupport::LzhMember;

std::string lzhArchive(const std::vector<Member>& members) { return testsupport::storedLzhArchive(members); }

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

// The bytes of an extracted file, found the way the program opens it (the
// reader may spell level-0 names in lower case).
std::string extracted(const TempDir& dir, const std::string& name) {
    const auto found = plat::findFiles(dir.file(name));
    return found.size() == 1 ? readBytes(dir.file(found[0].name)) : "<" + name + " not found>";
}

TEST(Lha, ReportsAUsableVersionAndNeverBusy) {
    EXPECT_GE(plat::lhaGetVersion(), 72u);
    EXPECT_FALSE(plat::lhaGetRunning());
}

TEST(Lha, ExtractsOneMemberIgnoringCaseAndStoredDirectory) {
    TempDir dir;
    const std::string card = "0 1101 11205 0950\r\n";
    writeBytes(dir.file("cards.lzh"),
               lzhArchive({{"README.TXT", "read me"}, {"DATA\\jra#den1.dat", card}}));
    std::string output;
    const std::string command =
        "e " + backslashes(dir.path()) + "CARDS.LZH " + backslashes(dir.path()) + " JRA#DEN1.DAT";
    ASSERT_EQ(plat::lhaCommand(0, command, output), 0) << output;
    EXPECT_EQ(extracted(dir, "JRA#DEN1.DAT"), card);
    EXPECT_TRUE(plat::findFiles(dir.file("README.TXT")).empty());  // only the member asked for

    // Extracting again overwrites the copy, whatever the case of its name.
    const std::string onDisk = plat::findFiles(dir.file("JRA#DEN1.DAT")).at(0).name;
    writeBytes(dir.file(onDisk), "stale");
    ASSERT_EQ(plat::lhaCommand(0, command, output), 0) << output;
    EXPECT_EQ(plat::findFiles(dir.file("*.DAT")).size(), 1u);
    EXPECT_EQ(extracted(dir, "JRA#DEN1.DAT"), card);
}

TEST(Lha, FailuresGiveNonZeroAndLeaveEarlierFilesAlone) {
    TempDir dir;
    writeBytes(dir.file("a.lzh"), lzhArchive({{"OTHER.DAT", "x"}, {"BAD.DAT", "new data", true}}));
    writeBytes(dir.file("BAD.DAT"), "earlier copy");
    std::string output;
    const std::string to = " " + dir.path() + " ";
    EXPECT_NE(plat::lhaCommand(0, "e " + dir.file("a.lzh") + to + "JRA#DEN1.DAT", output), 0);
    EXPECT_NE(plat::lhaCommand(0, "e " + dir.file("missing.lzh") + to + "OTHER.DAT", output), 0);
    EXPECT_NE(plat::lhaCommand(0, "e " + dir.file("a.lzh") + " " + dir.file("nodir/") + " OTHER.DAT", output), 0);
    EXPECT_NE(plat::lhaCommand(0, "x " + dir.file("a.lzh") + to + "OTHER.DAT", output), 0);
    EXPECT_NE(plat::lhaCommand(0, "e " + dir.file("a.lzh") + to, output), 0);
    EXPECT_NE(plat::lhaCommand(0, "", output), 0);
    EXPECT_NE(plat::lhaCommand(0, "e " + dir.file("a.lzh") + to + "BAD.DAT", output), 0);  // CRC error
    EXPECT_EQ(readBytes(dir.file("BAD.DAT")), "earlier copy");
    writeBytes(dir.file("text.lzh"), "not an archive at all");
    EXPECT_NE(plat::lhaCommand(0, "e " + dir.file("text.lzh") + to + "OTHER.DAT", output), 0);

    ASSERT_EQ(plat::lhaCommand(0, "e " + dir.file("a.lzh") + to + "other.dat", output), 0) << output;
    EXPECT_EQ(extracted(dir, "OTHER.DAT"), "x");
}

TEST(Lha, PathsWithBlanksAreQuotedWholeAndStoredDirectoriesNeverReachTheDisk) {
    TempDir root;
    const std::string from = root.file("my cards/");
    const std::string to = root.file("program dir/");
    std::filesystem::create_directories(from);
    std::filesystem::create_directories(to + "sub");
    const std::string card = "05 5801 1205 0950\r\n";
    writeBytes(from + "week 49.lzh",
               lzhArchive({{"..\\..\\JRA#DEN1.DAT", card}, {"sub\\..\\..\\README.TXT", "x"}}));
    std::string output;
    const std::string command =
        "e " + quoted(backslashes(from) + "WEEK 49.LZH") + " " + quoted(backslashes(to)) + " JRA#DEN1.DAT";
    ASSERT_EQ(plat::lhaCommand(0, command, output), 0) << output;
    EXPECT_EQ(readBytes(to + "JRA#DEN1.DAT"), card);
    // Only that one file was written, and nothing outside the directory.
    EXPECT_EQ(plat::findFiles(to + "*").size(), 2u);  // the file and "sub"
    EXPECT_TRUE(plat::findFiles(root.file("*.DAT")).empty());
    EXPECT_EQ(plat::findFiles(root.file("*")).size(), 2u);

    // Unquoted, the blanks split the command line and nothing is extracted.
    std::filesystem::remove(to + "JRA#DEN1.DAT");
    EXPECT_NE(plat::lhaCommand(0, "e " + from + "week 49.lzh " + to + " JRA#DEN1.DAT", output), 0);
    EXPECT_TRUE(plat::findFiles(to + "*.DAT").empty());
}

// An archive made by an archiver program: compressed data, level-2 headers
// and the member stored under a directory with a blank.
TEST(Lha, ExtractsFromAnArchiveOfARealPacker) {
    if (!testsupport::haveLzhPacker()) GTEST_SKIP() << "no LHA archiver installed (test.sh installs one)";
    TempDir dir;
    std::filesystem::create_directories(dir.file("week 49"));
    std::string card;
    for (int race = 1; race <= 12; ++race) card += "05 58" + std::to_string(race % 10) + "1 1205 1000\r\n";
    writeBytes(dir.file("week 49/JRA#DEN1.DAT"), card);
    writeBytes(dir.file("week 49/other.txt"), std::string(500, 'x'));
    ASSERT_TRUE(testsupport::packLzh(dir.path(), "packed.lzh", {"week 49/other.txt", "week 49/JRA#DEN1.DAT"}));
    std::filesystem::create_directories(dir.file("out"));
    std::string output;
    ASSERT_EQ(plat::lhaCommand(0, "e " + dir.file("packed.lzh") + " " + dir.file("out/") + " JRA#DEN1.DAT", output), 0)
        << output;
    EXPECT_EQ(readBytes(dir.file("out/JRA#DEN1.DAT")), card);
    EXPECT_EQ(plat::findFiles(dir.file("out/*")).size(), 1u);
}

TEST(Lha, TheDesktopsLibraryCanBeBusyOldOrMissing) {
    TempDir dir;
    sim::Desktop desktop({dir.path(), 0});
    writeBytes(dir.file("a.lzh"), lzhArchive({{"JRA#DEN1.DAT", "card"}}));
    const std::string command = "e " + dir.file("a.lzh") + " " + dir.path() + " JRA#DEN1.DAT";
    std::string output;

    desktop.setLhaLibrary({.installed = true, .version = 71, .busy = true});
    EXPECT_EQ(plat::lhaGetVersion(), 71u);
    EXPECT_TRUE(plat::lhaGetRunning());
    EXPECT_NE(plat::lhaCommand(0, command, output), 0);
    EXPECT_TRUE(plat::findFiles(dir.file("*.DAT")).empty());

    desktop.setLhaLibrary({.installed = false});
    EXPECT_EQ(plat::lhaGetVersion(), 0u);
    EXPECT_FALSE(plat::lhaGetRunning());
    EXPECT_NE(plat::lhaCommand(0, command, output), 0);
    EXPECT_TRUE(plat::findFiles(dir.file("*.DAT")).empty());

    desktop.setLhaLibrary({});
    EXPECT_EQ(plat::lhaCommand(0, command, output), 0) << output;
}

}  // namespace
