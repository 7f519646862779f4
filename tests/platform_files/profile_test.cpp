// Private-profile files: Windows reading rules, and writes that change only
// the line they must.
#include <gtest/gtest.h>
#include <time.h>

#include <climits>
#include <cstdio>

#include "platform/profile.h"
#include "support/support.h"

namespace {

using testsupport::readBytes;
using testsupport::TempDir;
using testsupport::writeBytes;

TEST(Profile, MissingFileSectionOrKeyGivesTheDefault) {
    TempDir dir;
    const std::string ini = dir.file("ORNEL.INI");
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Action Wait", 500), 500);
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Bet File Dir", "none"), "none");

    writeBytes(ini, "[Define]\r\nAction Wait=300\r\n");
    EXPECT_EQ(plat::getProfileInt(ini, "Pat Define", "Action Wait", 7), 7);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Message Wait", 100), 100);
    EXPECT_EQ(plat::getProfileInt(ini, "define", "ACTION WAIT", 500), 300);
}

TEST(Profile, IntegersAreTheLeadingDigits) {
    TempDir dir;
    const std::string ini = dir.file("a.ini");
    writeBytes(ini,
               "[Define]\r\n"
               "Digits=  42abc\r\n"
               "Letters=abc\r\n"
               "Negative=-5\r\n"
               "Empty=\r\n"
               "Huge=99999999999\r\n"
               "Packed=21700\r\n");
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Digits", 1), 42);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Letters", 1), 0);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Negative", 1), 0);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Empty", 9), 9);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Huge", 1), INT_MAX);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Packed", 1), 21700);
}

TEST(Profile, StringsAreTrimmedUnquotedAndKeepShiftJisAndSemicolons) {
    TempDir dir;
    const std::string ini = dir.file("a.ini");
    writeBytes(ini,
               "; a comment\r\n"
               "garbage line without equals\r\n"
               "[Define]\r\n"
               "\x01\x02\xff binary\r\n"
               "Bet File Dir =  C:\\表\\ソフト\\   \r\n"
               "Quoted=\"  two blanks  \"\r\n"
               "Frame Pos=44, 0, 1, -1, -1, -1, -1, 10, 20, 300, 400 \r\n"
               "Current Info=東京;京都 ; x\n"
               "Dup=first\r\n"
               "DUP=second\r\n"
               "[DEFINE]\r\n"
               "Later=only in the second section\r\n");
    EXPECT_EQ(plat::getProfileString(ini, "Define", "bet file dir", ""), "C:\\表\\ソフト\\");
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Quoted", ""), "  two blanks  ");
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Frame Pos", ""),
              "44, 0, 1, -1, -1, -1, -1, 10, 20, 300, 400");
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Current Info", ""), "東京;京都 ; x");
    EXPECT_EQ(plat::getProfileString(ini, "Define", "dup", ""), "first");
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Later", "default"), "default");
}

TEST(Profile, WritesChangeOnlyTheirOwnLine) {
    TempDir dir;
    const std::string ini = dir.file("a.ini");
    const std::string before =
        "; settings\r\n"
        "[Define]\r\n"
        "Action Wait = 500\r\n"
        "\x01junk\xff\r\n"
        "Unix line=1\n"
        "\r\n"
        "[Pat Define]\r\n"
        "Modem Name 1=ＡＢＣ\r\n"
        "tail without line end";
    writeBytes(ini, before);

    ASSERT_TRUE(plat::writeProfileInt(ini, "DEFINE", "action wait", 750));
    EXPECT_EQ(readBytes(ini),
              "; settings\r\n[Define]\r\nAction Wait=750\r\n\x01junk\xff\r\nUnix line=1\n\r\n"
              "[Pat Define]\r\nModem Name 1=ＡＢＣ\r\ntail without line end");

    // A new key goes after the section's last entry, before the blank line.
    ASSERT_TRUE(plat::writeProfileString(ini, "Define", "Bet File Dir", "C:\\表\\"));
    ASSERT_TRUE(plat::writeProfileString(ini, "Pat Define", "Modem Number 1", "0077"));
    ASSERT_TRUE(plat::writeProfileString(ini, "New", "Key", "v"));
    EXPECT_EQ(readBytes(ini),
              "; settings\r\n[Define]\r\nAction Wait=750\r\n\x01junk\xff\r\nUnix line=1\n"
              "Bet File Dir=C:\\表\\\r\n\r\n"
              "[Pat Define]\r\nModem Name 1=ＡＢＣ\r\ntail without line end\r\nModem Number 1=0077\r\n"
              "[New]\r\nKey=v\r\n");
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Action Wait", 0), 750);
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Bet File Dir", ""), "C:\\表\\");

    // A line break in a value would make keys of its own: refused.
    EXPECT_FALSE(plat::writeProfileString(ini, "Define", "Bet File Dir", "x\r\nAuto Mode=1"));
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Bet File Dir", ""), "C:\\表\\");
}

TEST(Profile, CreatesTheFileAndHandlesLongLines) {
    TempDir dir;
    const std::string ini = dir.file("new.ini");
    ASSERT_TRUE(plat::writeProfileString(ini, "Define", "Pat Code", "1234"));
    EXPECT_EQ(readBytes(ini), "[Define]\r\nPat Code=1234\r\n");

    const std::string longValue(20000, 'v');
    ASSERT_TRUE(plat::writeProfileString(ini, "Define", "Current Info", longValue));
    ASSERT_TRUE(plat::writeProfileString(ini, "Define", "After", "1"));
    EXPECT_EQ(plat::getProfileString(ini, "Define", "Current Info", ""), longValue);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "After", 0), 1);
}

// The profile is parsed once and kept while the file stays as it was; a
// file changed behind the program's back is read again, even when its size
// and last-write time did not move.
TEST(Profile, ChangesMadeByOthersAreSeen) {
    TempDir dir;
    const std::string ini = dir.file("a.ini");
    writeBytes(ini, "[Define]\r\nAction Wait=300\r\n");
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Action Wait", 0), 300);
    testsupport::setMtime(ini, 1'000'000'000);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Action Wait", 0), 300);

    writeBytes(ini, "[Define]\r\nAction Wait=400\r\n");
    testsupport::setMtime(ini, 1'000'000'000);
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Action Wait", 0), 400);

    ASSERT_TRUE(plat::writeProfileInt(ini, "Define", "Action Wait", 500));
    writeBytes(ini, "[Define]\r\nAction Wait=600\r\n");
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Action Wait", 0), 600);

    std::remove(ini.c_str());
    EXPECT_EQ(plat::getProfileInt(ini, "Define", "Action Wait", 7), 7);
    ASSERT_TRUE(plat::writeProfileInt(ini, "Define", "Message Wait", 90));
    EXPECT_EQ(readBytes(ini), "[Define]\r\nMessage Wait=90\r\n");
}

double secondsOfCpu() {
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Every setting of a 5 MB profile used to cost a read and parse of the whole
// file (tens of seconds for the settings table).
TEST(Profile, ManyKeysOfALargeProfileAreReadQuickly) {
    TempDir dir;
    const std::string ini = dir.file("big.ini");
    std::string bytes = "[Define]\r\n";
    for (int i = 0; bytes.size() < 5'000'000; ++i) bytes += "Filler " + std::to_string(i) + "=some value or other\r\n";
    bytes += "[Pat Define]\r\nLast=42\r\n";
    writeBytes(ini, bytes);

    const double start = secondsOfCpu();
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(plat::getProfileInt(ini, "Pat Define", "Last", 0), 42);
        ASSERT_EQ(plat::getProfileString(ini, "Define", "Missing " + std::to_string(i), "-"), "-");
    }
    ASSERT_TRUE(plat::writeProfileInt(ini, "Pat Define", "Last", 43));
    EXPECT_EQ(plat::getProfileInt(ini, "Pat Define", "Last", 0), 43);
    EXPECT_LT(secondsOfCpu() - start, 5.0);
}

}  // namespace
