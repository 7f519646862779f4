// Shift-JIS helpers with real double-byte text: trail bytes that look like
// '\' or ASCII letters must never be taken for them.
#include <gtest/gtest.h>

#include "platform/sjis.h"

namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(Sjis, ConvertsBothWaysAndReplacesWhatCannotBeConverted) {
    const std::string text = "ﾒｯｾｰｼﾞ１２表ソ";
    ASSERT_EQ(text.size(), 6u + 4u + 4u);  // half-width katakana are one byte each
    EXPECT_EQ(sjis::toUtf8(text), utf8(u8"ﾒｯｾｰｼﾞ１２表ソ"));
    EXPECT_EQ(sjis::fromUtf8(utf8(u8"ﾒｯｾｰｼﾞ１２表ソ")), text);

    EXPECT_EQ(sjis::toUtf8("A\x85\x40" "B"), "A?B");  // unassigned code
    EXPECT_EQ(sjis::toUtf8("\x81 x"), "? x");          // bad trail: the blank survives
    EXPECT_EQ(sjis::toUtf8("ok\x95"), "ok?");          // lead byte cut off at the end
    const std::string emoji = "a\xF0\x9F\x98\x80" "b";  // U+1F600 has no CP932 code
    EXPECT_EQ(sjis::fromUtf8(emoji), "a?b");
    EXPECT_EQ(sjis::fromUtf8("a\xC3"), "a?");           // UTF-8 cut off
    EXPECT_EQ(sjis::fromUtf8("\xFF" "z"), "?z");        // not UTF-8 at all
}

TEST(Sjis, FindRespectsCharactersOnlyWhenAsked) {
    const std::string text = "表示";  // 95 5C 8E A6
    EXPECT_EQ(sjis::find(text, "\\"), 1u);
    EXPECT_EQ(sjis::find(text, "\\", 0, true), std::string::npos);
    EXPECT_EQ(sjis::find(text, "\x5C\x8E"), 1u);  // straddles two characters
    EXPECT_EQ(sjis::find(text, "\x5C\x8E", 0, true), std::string::npos);
    EXPECT_EQ(sjis::find(text, "示", 0, true), 2u);

    const std::string letters = "アA";  // 83 41 41: the trail byte is 'A'
    EXPECT_EQ(sjis::find(letters, "A"), 1u);
    EXPECT_EQ(sjis::find(letters, "A", 0, true), 2u);
    EXPECT_EQ(sjis::find(letters, "A", 3, true), std::string::npos);
}

TEST(Sjis, PathSplittingSkipsTrailBytes) {
    EXPECT_EQ(sjis::lastSeparator("ソ"), std::string::npos);
    EXPECT_EQ(sjis::lastSeparator("a/b\\表"), 3u);
    EXPECT_EQ(sjis::lastSeparator("予定\\ソ表"), 4u);

    sjis::PathParts p = sjis::splitPath("C:\\ソフト\\表.bet");
    EXPECT_EQ(p.drive, "C:");
    EXPECT_EQ(p.directory, "\\ソフト\\");
    EXPECT_EQ(p.name, "表");
    EXPECT_EQ(p.extension, ".bet");
    EXPECT_EQ(p.join(), "C:\\ソフト\\表.bet");

    p = sjis::splitPath("dir.d/archive.tar.LZH");
    EXPECT_EQ(p.drive, "");
    EXPECT_EQ(p.directory, "dir.d/");
    EXPECT_EQ(p.name, "archive.tar");
    EXPECT_EQ(p.extension, ".LZH");

    p = sjis::splitPath("dir.d\\ソ");  // no extension: the dot belongs to the directory
    EXPECT_EQ(p.name, "ソ");
    EXPECT_EQ(p.extension, "");

    p = sjis::splitPath("1:x");  // not a drive
    EXPECT_EQ(p.drive, "");
    EXPECT_EQ(p.name, "1:x");
}

TEST(Sjis, UpperChangesOnlySingleByteLetters) {
    // "ヂ" is 83 61 and "ホ" 83 7A: their trail bytes are 'a' and 'z'.
    EXPECT_EQ(sjis::upper("aヂbホzｱ"), "AヂBホZｱ");
    EXPECT_EQ(sjis::upper("x.bet\x83"), "X.BET\x83");
}

}  // namespace
