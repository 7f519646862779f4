// Files named the Windows way on the host file system.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/files.h"
#include "support/support.h"
#include "windows_path.h"

namespace {

using testsupport::readBytes;
using testsupport::setMtime;
using testsupport::TempDir;
using testsupport::writeBytes;

std::vector<std::string> names(const std::vector<plat::FileInfo>& files) {
    std::vector<std::string> out;
    for (const auto& f : files) out.push_back(f.name);
    return out;
}

TEST(Files, NamesResolveIgnoringCaseAndBackslashes) {
    TempDir dir;
    writeBytes(dir.file("X.BET"), "1");
    mkdir(dir.file("Sub").c_str(), 0777);
    writeBytes(dir.file("Sub/file.TXT"), "22");

    plat::FileInfo info;
    ASSERT_TRUE(plat::fileStatus(dir.file("X.Bet"), info));
    EXPECT_EQ(info.name, "X.BET");
    EXPECT_EQ(info.size, 1u);
    ASSERT_TRUE(plat::fileStatus(backslashes(dir.path()) + "sub\\file.txt", info));
    EXPECT_EQ(info.name, "file.TXT");
    EXPECT_FALSE(plat::fileStatus(dir.file("missing.txt"), info));

    // A new file in a directory named in another case goes into that directory.
    plat::TextFile out;
    ASSERT_TRUE(out.open(dir.path() + "SUB\\new.txt", plat::TextFile::Mode::Write));
    out.close();
    EXPECT_TRUE(plat::fileStatus(dir.file("Sub/new.txt"), info));
}

TEST(Files, TrailBytesAreNeitherSeparatorsNorFoldedLetters) {
    TempDir dir;
    writeBytes(dir.file("表.txt"), "hyou");  // 95 5C: the trail byte is '\'
    writeBytes(dir.file("ヂ.txt"), "dji");   // 83 61: the trail byte is 'a'

    plat::TextFile in;
    ASSERT_TRUE(in.open(backslashes(dir.path()) + "表.TXT", plat::TextFile::Mode::Read));
    std::string line;
    ASSERT_TRUE(in.getLine(line, 100));
    EXPECT_EQ(line, "hyou");

    plat::FileInfo info;
    EXPECT_FALSE(plat::fileStatus(dir.file("ア.txt"), info));  // 83 41 is another character
    EXPECT_TRUE(plat::findFiles(dir.file("ア*")).empty());
    EXPECT_EQ(names(plat::findFiles(dir.file("?.TXT"))), (std::vector<std::string>{"ヂ.txt", "表.txt"}));
}

TEST(Files, WildcardSearchListsMatchesInStableCaseInsensitiveOrder) {
    TempDir dir;
    mkdir(dir.file("Bets").c_str(), 0777);
    writeBytes(dir.file("Bets/98120502.bet"), "abc");
    writeBytes(dir.file("Bets/98120501.BET"), "a");
    writeBytes(dir.file("Bets/98120503.Bet"), "");
    writeBytes(dir.file("Bets/98120501.Sav"), "x");
    writeBytes(dir.file("Bets/98120601.BET"), "x");
    mkdir(dir.file("Bets/981205XX.BET").c_str(), 0777);
    setMtime(dir.file("Bets/98120501.BET"), 912816000);
    setMtime(dir.file("Bets/98120502.bet"), 912816060);

    const auto found = plat::findFiles(backslashes(dir.path()) + "BETS\\981205*.BET");
    ASSERT_EQ(names(found), (std::vector<std::string>{"98120501.BET", "98120502.bet", "98120503.Bet",
                                                      "981205XX.BET"}));
    EXPECT_EQ(found[0].lastWrite, 912816000);
    EXPECT_EQ(found[1].lastWrite, 912816060);
    EXPECT_EQ(found[1].size, 3u);
    EXPECT_FALSE(found[1].isDirectory);
    EXPECT_TRUE(found[3].isDirectory);

    EXPECT_EQ(names(plat::findFiles(dir.file("Bets/9812050?.sav"))), std::vector<std::string>{"98120501.Sav"});
    EXPECT_EQ(plat::findFiles(dir.file("Bets/*")).size(), 6u);  // no "." or ".."
    EXPECT_TRUE(plat::findFiles(dir.file("NoSuchDir/*.BET")).empty());
    EXPECT_TRUE(plat::findFiles(dir.file("Bets/")).empty());
}

TEST(Files, RemoveRenameTimesAndDirectories) {
    TempDir dir;
    writeBytes(dir.file("a.BET"), "a");
    writeBytes(dir.file("b.Sav"), "b");
    setMtime(dir.file("a.BET"), 900000000);

    EXPECT_FALSE(plat::renameFile(dir.file("a.bet"), dir.file("B.SAV")));  // target exists
    EXPECT_EQ(readBytes(dir.file("b.Sav")), "b");
    ASSERT_TRUE(plat::renameFile(dir.file("A.bet"), dir.file("a.Sav")));
    plat::FileInfo info;
    ASSERT_TRUE(plat::fileStatus(dir.file("a.Sav"), info));
    EXPECT_EQ(info.lastWrite, 900000000);  // a rename keeps the time
    EXPECT_FALSE(plat::fileStatus(dir.file("a.BET"), info));
    EXPECT_FALSE(plat::renameFile(dir.file("a.BET"), dir.file("c.BET")));  // source gone

    ASSERT_TRUE(plat::renameFile(dir.file("a.sav"), dir.file("A.SAV")));  // only the case changes
    ASSERT_TRUE(plat::fileStatus(dir.file("a.sav"), info));
    EXPECT_EQ(info.name, "A.SAV");

    ASSERT_TRUE(plat::setFileTime(dir.file("a.SAV"), 912816000));
    ASSERT_TRUE(plat::fileStatus(dir.file("A.SAV"), info));
    EXPECT_EQ(info.lastWrite, 912816000);

    EXPECT_TRUE(plat::removeFile(dir.file("B.sav")));
    EXPECT_FALSE(plat::removeFile(dir.file("b.Sav")));

    EXPECT_TRUE(plat::createDirectory(dir.file("New")));
    EXPECT_FALSE(plat::createDirectory(dir.file("NEW")));  // already there
    EXPECT_TRUE(plat::createDirectory(dir.file("new\\Inner")));
    ASSERT_TRUE(plat::fileStatus(dir.file("New/inner"), info));
    EXPECT_TRUE(info.isDirectory);
}

TEST(Files, ReplaceSwapsInTheNewFileUnderTheOldName) {
    TempDir dir;
    writeBytes(dir.file("BT981205.LOG"), "old");
    writeBytes(dir.file("BT981205.$$$"), "new");
    ASSERT_TRUE(plat::replaceFile(dir.file("bt981205.$$$"), dir.file("bt981205.log")));
    EXPECT_EQ(readBytes(dir.file("BT981205.LOG")), "new");  // the existing name's spelling stays
    plat::FileInfo info;
    EXPECT_FALSE(plat::fileStatus(dir.file("BT981205.$$$"), info));

    // No source: the target is left as it is.
    EXPECT_FALSE(plat::replaceFile(dir.file("BT981205.$$$"), dir.file("BT981205.LOG")));
    EXPECT_EQ(readBytes(dir.file("BT981205.LOG")), "new");

    // No target yet: a plain rename.
    writeBytes(dir.file("a.$$$"), "a");
    ASSERT_TRUE(plat::replaceFile(dir.file("a.$$$"), dir.file("a.log")));
    EXPECT_EQ(readBytes(dir.file("a.log")), "a");
}

TEST(Files, OverlongPathsFailCleanly) {
    TempDir dir;
    const std::string longName = dir.path() + std::string(plat::maxPath, 'n');
    const std::string atLimit = dir.path() + std::string(plat::maxPath - dir.path().size(), 'n');
    writeBytes(dir.file("x"), "x");
    for (const std::string& path : {longName, atLimit}) {
        plat::TextFile file;
        EXPECT_FALSE(file.open(path, plat::TextFile::Mode::Write));
        plat::FileInfo info;
        EXPECT_FALSE(plat::fileStatus(path, info));
        EXPECT_TRUE(plat::findFiles(path + "*").empty());
        EXPECT_FALSE(plat::removeFile(path));
        EXPECT_FALSE(plat::renameFile(dir.file("x"), path));
        EXPECT_FALSE(plat::createDirectory(path));
    }
    EXPECT_EQ(readBytes(dir.file("x")), "x");
}

}  // namespace
