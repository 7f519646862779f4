// LHA extraction of one member from an archive built here byte by byte.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/files.h"
#include "platform/system.h"
#include "support/support.h"
#include "windows_path.h"

namespace {

using testsupport::readBytes;
using testsupport::TempDir;
using testsupport::writeBytes;

// CRC-16 as LHA uses it (reflected polynomial 0xA001, initial value 0).
std::uint16_t crc16(const std::string& data) {
    std::uint16_t crc = 0;
    for (unsigned char c : data) {
        crc ^= c;
        for (int i = 0; i < 8; ++i) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct Member {
    std::string name;  // may hold a directory, separated by '\'
    std::string data;
    bool badCrc = false;
};

// An archive of stored ("-lh0-", uncompressed) members with level-0 headers:
//   0  1  header size (bytes from offset 2 to the end of the header: 22 + n)
//   1  1  header checksum (sum of those bytes, modulo 256)
//   2  5  method "-lh0-"
//   7  4  compressed size, little-endian
//  11  4  original size
//  15  4  MS-DOS time stamp (time word, then date word)
//  19  1  attribute (0x20)
//  20  1  header level (0)
//  21  1  name length n
//  22  n  name
//  22+n 2 CRC-16 of the original data
// then the data; a zero byte ends the archive.
std::string lzhArchive(const std::vector<Member>& members) {
    const std::uint32_t dosTime = (12u << 11) | ((1998u - 1980u) << 25) | (12u << 21) | (5u << 16);
    std::string archive;
    for (const Member& m : members) {
        std::string body = "-lh0-";
        putLe(body, static_cast<std::uint32_t>(m.data.size()), 4);
        putLe(body, static_cast<std::uint32_t>(m.data.size()), 4);
        putLe(body, dosTime, 4);
        body += '\x20';
        body += '\x00';
        body += static_cast<char>(m.name.size());
        body += m.name;
        putLe(body, crc16(m.data) ^ (m.badCrc ? 0x5555 : 0), 2);
        unsigned sum = 0;
        for (unsigned char c : body) sum += c;
        archive += static_cast<char>(body.size());
        archive += static_cast<char>(sum & 0xFF);
        archive += body + m.data;
    }
    return archive + '\0';
}

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

}  // namespace
