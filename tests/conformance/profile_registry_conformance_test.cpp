// Private-profile files and the registry as Windows keeps them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/host.h"
#include "platform/clock.h"
#include "platform/profile.h"
#include "platform/registry.h"

namespace {

using conformance::rawBytes;
using conformance::runAsProgram;
using conformance::scratchDirectory;
using conformance::writeRawBytes;

TEST(ProfileConformance, SectionsAndKeysIgnoreCaseAndValuesReadAsWindowsReadsThem) {
    ASSERT_TRUE(runAsProgram([] {
        const std::string path = scratchDirectory() + "Test.INI";
        writeRawBytes(path,
                      "; a comment\r\n"
                      "[Define]\r\n"
                      "Name =  value with blanks  \r\n"
                      "Quoted=\"a b\"\r\n"
                      "Digits=12abc\r\n"
                      "Word=abc\r\n"
                      "Empty=\r\n"
                      "\r\n"
                      "[Other]\r\n"
                      "Name=other\r\n");
        EXPECT_EQ(plat::getProfileString(path, "define", "NAME", "d"), "value with blanks");
        EXPECT_EQ(plat::getProfileString(path, "DEFINE", "quoted", "d"), "a b");
        EXPECT_EQ(plat::getProfileString(path, "Define", "Missing", "d"), "d");
        EXPECT_EQ(plat::getProfileString(path, "Define", "Empty", "d"), "");
        EXPECT_EQ(plat::getProfileString(path, "Nowhere", "Name", "d"), "d");
        EXPECT_EQ(plat::getProfileString(path, "other", "name", "d"), "other");
        EXPECT_EQ(plat::getProfileInt(path, "Define", "Digits", 5), 12);
        EXPECT_EQ(plat::getProfileInt(path, "Define", "Word", 5), 0);
        EXPECT_EQ(plat::getProfileInt(path, "Define", "Missing", 5), 5);
        EXPECT_EQ(plat::getProfileInt(scratchDirectory() + "none.ini", "Define", "Digits", 5), 5);
    }));
}

TEST(ProfileConformance, WritesChangeOneLineAndKeepTheRest) {
    ASSERT_TRUE(runAsProgram([] {
        const std::string path = scratchDirectory() + "Test.INI";
        writeRawBytes(path, "; a comment\r\n[Define]\r\nName=old\r\nOther=1\r\n");
        EXPECT_TRUE(plat::writeProfileString(path, "DEFINE", "name", "new"));
        EXPECT_TRUE(plat::writeProfileInt(path, "Define", "Count", 42));
        EXPECT_TRUE(plat::writeProfileString(path, "Pat Define", "Key", "東京"));
        EXPECT_EQ(rawBytes(path),
                  "; a comment\r\n[Define]\r\nName=new\r\nOther=1\r\nCount=42\r\n[Pat Define]\r\nKey=東京\r\n");
        EXPECT_EQ(plat::getProfileString(path, "pat define", "KEY", ""), "東京");

        const std::string fresh = scratchDirectory() + "Fresh.ini";
        EXPECT_TRUE(plat::writeProfileString(fresh, "Define", "Key", "v"));
        EXPECT_EQ(rawBytes(fresh), "[Define]\r\nKey=v\r\n");
    }));
}

TEST(RegistryConformance, ValuesAreWrittenOnlyUnderKeysThatExist) {
    ASSERT_TRUE(runAsProgram([] {
        // A key of its own for every run, so a missing key is missing.
        const std::string key = "Software\\OrnelConformance\\Run" + std::to_string(plat::nowMs());
        const std::vector<std::uint8_t> text = {'a', 'b', 0};
        const std::vector<std::uint8_t> number = {1, 2, 3, 4};
        EXPECT_FALSE(plat::regWrite(plat::RegRoot::CurrentUser, key, "Text", plat::REG_SZ, text));
        std::vector<std::uint8_t> data;
        plat::Dword type = 0;
        EXPECT_FALSE(plat::regRead(plat::RegRoot::CurrentUser, key, "Text", data, type));

        ASSERT_TRUE(plat::regCreateKey(plat::RegRoot::CurrentUser, key + "\\Config"));
        EXPECT_TRUE(plat::regWrite(plat::RegRoot::CurrentUser, key + "\\Config", "Text", plat::REG_SZ, text));
        EXPECT_TRUE(plat::regWrite(plat::RegRoot::CurrentUser, key + "\\config", "Number", plat::REG_BINARY, number));
        ASSERT_TRUE(plat::regRead(plat::RegRoot::CurrentUser, key + "\\CONFIG", "text", data, type));
        EXPECT_EQ(data, text);
        EXPECT_EQ(type, plat::REG_SZ);
        ASSERT_TRUE(plat::regRead(plat::RegRoot::CurrentUser, key + "\\Config", "Number", data, type));
        EXPECT_EQ(data, number);
        EXPECT_EQ(type, plat::REG_BINARY);
        EXPECT_FALSE(plat::regRead(plat::RegRoot::CurrentUser, key + "\\Config", "Missing", data, type));
    }));
}

}  // namespace
