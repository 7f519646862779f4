// File services as programs on a simulated desktop see them: their own and
// the system's directories, files stamped with virtual time, a registry
// that outlives the desktop.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/sim/desktop.h"
#include "support/support.h"

namespace {

using testsupport::readBytes;
using testsupport::setMtime;
using testsupport::TempDir;
using testsupport::writeBytes;

constexpr std::int64_t kStart = 912816000;  // 1998-12-05 00:00 UTC

sim::Desktop::Options at(const TempDir& dir) {
    sim::Desktop::Options options;
    options.directory = dir.path();
    options.startTime = kStart;
    return options;
}

std::int64_t lastWrite(const std::string& path) {
    plat::FileInfo info;
    return plat::fileStatus(path, info) ? info.lastWrite : -1;
}

TEST(DesktopFiles, ProgramsFindTheirOwnAndTheSystemDirectories) {
    TempDir dir;
    mkdir(dir.file("bin").c_str(), 0777);
    sim::Desktop desktop(at(dir));
    std::string programDir, programFile, windowsDir, root;
    desktop.startProgram("ornel", dir.file("bin/ORNEL.EXE"), [&] {
        programDir = plat::programDirectory();
        programFile = plat::programFileName();
        windowsDir = plat::windowsDirectory();
        root = plat::driveRoot();
        plat::writeProfileString("ORNEL.INI", "Define", "Auto Mode", "1");  // a bare name: Windows directory
    });
    desktop.run();
    EXPECT_EQ(programDir, dir.file("bin/"));
    EXPECT_EQ(programFile, dir.file("bin/ORNEL.EXE"));
    EXPECT_EQ(windowsDir, dir.file("WINDOWS/"));
    EXPECT_EQ(root, dir.path());
    EXPECT_EQ(readBytes(dir.file("WINDOWS/ORNEL.INI")), "[Define]\r\nAuto Mode=1\r\n");

    // A thread without an executable: the current directory.
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(plat::programDirectory(), std::string(cwd) + "/");
}

// Drive C: is the desktop's directory: a path on it stays valid when the
// directory is copied or moved.  There is no other drive.
TEST(DesktopFiles, TheSystemDriveIsTheDesktopsDirectory) {
    TempDir dir;
    mkdir(dir.file("bets").c_str(), 0777);
    sim::Desktop desktop(at(dir));
    bool written = false, otherDrive = true;
    std::vector<plat::FileInfo> found;
    ASSERT_TRUE(desktop.call("ornel", [&] {
        plat::TextFile file;
        written = file.open("C:\\Bets\\BT981205.LOG", plat::TextFile::Mode::Write) && file.write("x\n") && file.close();
        found = plat::findFiles("c:/bets/*.log");
        plat::FileInfo info;
        otherDrive = plat::fileStatus("D:\\bets\\BT981205.LOG", info);
    }));
    EXPECT_TRUE(written);
    EXPECT_EQ(readBytes(dir.file("bets/BT981205.LOG")), "x\r\n");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "BT981205.LOG");
    EXPECT_FALSE(otherDrive);
}

// A relative path is taken in the program's own directory, never in the
// directory the host process happens to run in.
TEST(DesktopFiles, RelativePathsAreTakenInTheProgramsDirectory) {
    TempDir dir;
    mkdir(dir.file("bin").c_str(), 0777);
    sim::Desktop desktop(at(dir));
    desktop.startProgram("ornel", dir.file("bin/ORNEL.EXE"), [&] {
        plat::TextFile file;
        if (file.open("BT981205.LOG", plat::TextFile::Mode::Write)) file.write("x\n");
    });
    desktop.run();
    EXPECT_EQ(readBytes(dir.file("bin/BT981205.LOG")), "x\r\n");
}

TEST(DesktopFiles, FilesWrittenOnTheDesktopCarryVirtualTime) {
    TempDir dir;
    writeBytes(dir.file("old.BET"), "x");
    setMtime(dir.file("old.BET"), 1000);
    sim::Desktop desktop(at(dir));
    ASSERT_TRUE(desktop.call("ornel", [&] {
        plat::sleep(90'000);
        plat::TextFile log;
        log.open(dir.file("BT981205.LOG"), plat::TextFile::Mode::Write);
        log.write("LOAD\n");
        log.close();
        plat::sleep(60'000);
        plat::TextFile untouched;  // opened for append, nothing written
        untouched.open(dir.file("BT981205.LOG"), plat::TextFile::Mode::Append);
        untouched.close();
        plat::writeProfileString(dir.file("a.ini"), "Define", "Limit Time", "5000");
        plat::renameFile(dir.file("old.BET"), dir.file("old.Sav"));
    }));
    EXPECT_EQ(lastWrite(dir.file("BT981205.LOG")), kStart + 90);
    EXPECT_EQ(lastWrite(dir.file("a.ini")), kStart + 150);
    EXPECT_EQ(lastWrite(dir.file("old.Sav")), 1000);  // a rename keeps the time
}

TEST(DesktopRegistry, ValuesOutliveTheDesktopInItsDirectory) {
    TempDir dir;
    const std::string key = ".Default\\Software\\Persist\\Config";
    const std::vector<std::uint8_t> name{'M', 'o', 0x83, 0x5C, ' ', '1'};  // a trail byte '\'
    {
        sim::Desktop first(at(dir));
        ASSERT_TRUE(first.call("ornel", [&] {
            EXPECT_FALSE(plat::regWrite(plat::RegRoot::Users, key, "Modem Name", plat::REG_SZ, name));
            EXPECT_TRUE(plat::regCreateKey(plat::RegRoot::Users, key));
            EXPECT_TRUE(plat::regWrite(plat::RegRoot::Users, key, "Modem Name", plat::REG_SZ, name));
        }));
    }
    std::vector<std::uint8_t> data;
    plat::Dword type = 0;
    EXPECT_FALSE(plat::regRead(plat::RegRoot::Users, key, "Modem Name", data, type));  // no desktop
    {
        sim::Desktop second(at(dir));
        ASSERT_TRUE(plat::regRead(plat::RegRoot::Users, ".DEFAULT\\Software\\persist\\config", "MODEM NAME",
                                  data, type));
        EXPECT_EQ(data, name);
        EXPECT_EQ(type, plat::REG_SZ);
    }
    EXPECT_NE(readBytes(dir.file("registry.txt")).find("[HKU\\.Default\\Software\\Persist\\Config]"),
              std::string::npos);
}

}  // namespace
