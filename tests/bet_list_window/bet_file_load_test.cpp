// Loading bet files: the Load command's choice, the bet log, the rename and
// remove rules, cancelled imports, and files that cannot be moved.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bet_list_window_fixture.h"
#include "betdata/bet_file_load.h"
#include "betdata/load_command.h"
#include "betdata/settle_bet_file.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace listwindow_test {
namespace {

using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

const std::string kBetFile =
    "東京 98年12月 5日 5回 2日\r\n"
    "11R 馬連  3-5  1000\r\n";
const std::string kLoadedList = "001: 東京 11R 馬連 03-05     1000\r\n";

bool exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

TEST_F(BetListWindowTest, TheExpectedFileIsLoggedImportedAndRenamed) {
    writeBytes(betDir() + "98120501.BET", kBetFile);
    writeBytes(betDir() + "98120501.Sav", "older\r\n");  // loaded before: replaced
    start();
    press(ui::kIdLoad);
    EXPECT_EQ(u8(kLoadedList), u8(listText()));
    EXPECT_FALSE(exists(betDir() + "98120501.BET"));
    EXPECT_EQ(kBetFile, readBytes(betDir() + "98120501.Sav"));
    EXPECT_EQ(u8("\r\nLOAD BET FILE 98/12/05 10:00:00\r\n" + kBetFile), u8(logText()));
    EXPECT_EQ(betDir() + "98120502.BET", betFile_.path);

    // A second file of the day is added to the list; the log grows.
    writeBytes(betDir() + "98120502.BET", "中山 1R 単勝 7 500\r\n");
    press(ui::kIdLoad);
    EXPECT_EQ(u8(kLoadedList + "002: 中山  1R 単勝    07      500\r\n"), u8(listText()));
    EXPECT_NE(logText().find("LOAD BET FILE"), logText().rfind("LOAD BET FILE"));
}

TEST_F(BetListWindowTest, ASavFileChosenInTheDialogStaysAsItIs) {
    writeBytes(betDir() + "98120501.SAV", kBetFile);
    user_.setOpenFileAnswer(betDir() + "98120501.SAV");
    start();
    press(ui::kIdLoad);
    ASSERT_EQ(1u, modalsShown().size());
    const sim::ModalInfo dialog = modalsShown()[0];
    EXPECT_TRUE(dialog.isOpenFile);
    EXPECT_EQ(betdata::kBetFileFilter, dialog.filter);
    EXPECT_EQ("BET", dialog.defaultExtension);
    EXPECT_EQ(betDir() + "*.bet", dialog.fileName);
    EXPECT_EQ(u8(kLoadedList), u8(listText()));
    EXPECT_EQ(kBetFile, readBytes(betDir() + "98120501.SAV"));
    EXPECT_EQ(list_, plat::getFocus());
}

TEST_F(BetListWindowTest, WithoutRenameSavLoadedFilesAreRemovedSavIncluded) {
    settings_.renameSav = 0;
    writeBytes(betDir() + "98120501.BET", kBetFile);
    writeBytes(betDir() + "98120401.SAV", "中山 1R 単勝 7 500\r\n");
    user_.setOpenFileAnswer(betDir() + "98120401.SAV");
    start();
    press(ui::kIdLoad);
    press(ui::kIdLoad);
    EXPECT_FALSE(exists(betDir() + "98120501.BET"));
    EXPECT_FALSE(exists(betDir() + "98120501.Sav"));
    EXPECT_FALSE(exists(betDir() + "98120401.SAV"));
    EXPECT_EQ(u8(kLoadedList + "002: 中山  1R 単勝    07      500\r\n"), u8(listText()));
}

TEST_F(BetListWindowTest, AnEmptyFileIsNeverLoaded) {
    writeBytes(betDir() + "98120501.BET", "");
    start();
    press(ui::kIdLoad);  // nothing waiting: the dialog (cancelled) instead
    ASSERT_EQ(1u, modalsShown().size());
    EXPECT_TRUE(modalsShown()[0].isOpenFile);
    EXPECT_EQ("", listText());
    EXPECT_TRUE(exists(betDir() + "98120501.BET"));
    EXPECT_FALSE(exists(betDir() + "BT981205.LOG"));
}

TEST_F(BetListWindowTest, ACancelledImportLeavesTheFileToBeOfferedAgain) {
    terms_.termsDay = 6;
    user_.answerId(8137, plat::IDNO);
    writeBytes(betDir() + "98120501.BET", kBetFile);
    start();
    press(ui::kIdLoad);
    EXPECT_EQ("", listText());
    EXPECT_TRUE(exists(betDir() + "98120501.BET"));
    EXPECT_NE(std::string::npos, logText().find("LOAD BET FILE"));
    EXPECT_EQ(betDir() + "98120501.BET", betFile_.path);
}

TEST_F(BetListWindowTest, AFailedConnectStepLoadsNothing) {
    connector_.result = -1;
    writeBytes(betDir() + "98120501.BET", kBetFile);
    start();
    press(ui::kIdLoad);
    EXPECT_EQ("", listText());
    EXPECT_TRUE(exists(betDir() + "98120501.BET"));
    EXPECT_TRUE(modalsShown().empty());
}

// Makes a file impossible to rename or remove: immutable for root, a
// read-only directory for anyone else.
class Unmovable {
public:
    explicit Unmovable(std::string path) : path_(std::move(path)) {
        if (geteuid() == 0) {
            immutable_ = setFlag(true);
        } else {
            dir_ = path_.substr(0, path_.find_last_of('/'));
            readOnlyDir_ = ::chmod(dir_.c_str(), 0555) == 0;
        }
    }
    ~Unmovable() {
        if (immutable_) setFlag(false);
        if (readOnlyDir_) ::chmod(dir_.c_str(), 0755);
    }
    bool active() const { return immutable_ || readOnlyDir_; }

private:
    bool setFlag(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
    std::string path_, dir_;
    bool immutable_ = false, readOnlyDir_ = false;
};

TEST_F(BetListWindowTest, AFileThatCannotBeMovedKeepsItsBetsAndIsNeverLoadedTwice) {
    const std::string path = betDir() + "98120501.BET";
    writeBytes(path, kBetFile);
    Unmovable lock(path);
    if (!lock.active()) GTEST_SKIP() << "cannot make a file unmovable here";
    start();
    press(ui::kIdLoad);
    EXPECT_EQ(u8(kLoadedList), u8(listText()));
    ASSERT_EQ(1u, boxesShown().size());
    EXPECT_EQ(u8(betdata::kTextBetFileNotMoved), u8(boxesShown()[0]));
    EXPECT_TRUE(exists(path));

    // The next pick-up passes it by: the Load command offers the dialog,
    // and a direct load (as AutoMode makes) takes nothing.
    press(ui::kIdClear);
    press(ui::kIdLoad);
    ASSERT_EQ(2u, modalsShown().size());
    EXPECT_TRUE(modalsShown()[1].isOpenFile);
    EXPECT_FALSE(loadBetFileDirectly(path));
    EXPECT_EQ("", listText());
    EXPECT_EQ(2u, modalsShown().size());  // no second message
}

// A file longer than the staging edit holds would lose its last lines (and
// could have a line cut in its amount); none of it is taken and it stays.
TEST_F(BetListWindowTest, AFileTooLongForTheStagingEditIsNotTaken) {
    std::string big = kBetFile;
    while (big.size() < static_cast<std::size_t>(ui::kListTextLimit)) big += "------------------------------\r\n";
    big += "12R 単勝  7  500\r\n";
    const std::string path = betDir() + "98120501.BET";
    writeBytes(path, big);
    start();
    press(ui::kIdLoad);
    EXPECT_EQ("", listText());
    EXPECT_EQ(big, readBytes(path));
    EXPECT_EQ("", logText());
    ASSERT_EQ(1u, boxesShown().size());
    EXPECT_EQ(u8(betdata::kTextBetFileTooLong), u8(boxesShown()[0]));
    // Never offered again while unchanged: a direct load takes nothing and says nothing.
    EXPECT_FALSE(loadBetFileDirectly(path));
    EXPECT_EQ("", listText());
    EXPECT_EQ(1u, boxesShown().size());
}

TEST(SettleLoadedBetFile, RenameFallsBackToRemovalAndBack) {
    testsupport::TempDir dir;
    // A ".Sav" that cannot be replaced (a directory of that name): removed instead.
    writeBytes(dir.file("98120501.BET"), "x\r\n");
    ::mkdir(dir.file("98120501.Sav").c_str(), 0755);
    EXPECT_EQ(betdata::SettleOutcome::Removed, betdata::SettleLoadedBetFile(dir.file("98120501.BET"), true));
    EXPECT_FALSE(exists(dir.file("98120501.BET")));
    // Missing and empty files are left alone.
    writeBytes(dir.file("98120502.BET"), "");
    EXPECT_EQ(betdata::SettleOutcome::Untouched, betdata::SettleLoadedBetFile(dir.file("98120502.BET"), true));
    EXPECT_EQ(betdata::SettleOutcome::Untouched, betdata::SettleLoadedBetFile(dir.file("98120502.BET"), false));
    EXPECT_TRUE(exists(dir.file("98120502.BET")));
}

}  // namespace
}  // namespace listwindow_test
