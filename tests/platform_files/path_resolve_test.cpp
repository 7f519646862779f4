// Windows-style names on the host: '\' separators, case-insensitive lookup
// that never folds a trail byte, wildcard matching.
#include <gtest/gtest.h>

#include "platform/sim/path_resolve.h"

namespace {

TEST(FilePattern, StarsQuestionMarksAndCase) {
    EXPECT_TRUE(sim::matchesFilePattern("981205*.BET", "98120501.bet"));
    EXPECT_TRUE(sim::matchesFilePattern("981205*.BET", "981205.BET"));
    EXPECT_FALSE(sim::matchesFilePattern("981205*.BET", "98120501.BET.Sav"));
    EXPECT_TRUE(sim::matchesFilePattern("*.*", "README"));
    EXPECT_TRUE(sim::matchesFilePattern("Pat95*.exe", "PAT95V2.EXE"));
    EXPECT_TRUE(sim::matchesFilePattern("a*b*c", "aXbYbZc"));
    EXPECT_FALSE(sim::matchesFilePattern("a*b*c", "aXbYbZ"));
    EXPECT_TRUE(sim::matchesFilePattern("?.txt", "表.txt"));  // one double-byte character
    EXPECT_FALSE(sim::matchesFilePattern("??.txt", "表.txt"));
    EXPECT_FALSE(sim::matchesFilePattern("ア*", "ヂ.txt"));  // 83 41 against 83 61
    EXPECT_FALSE(sim::matchesFilePattern("*A.txt", "ア.txt"));  // 'A' is only a trail byte there
}

TEST(HostPath, BackslashesBecomeSlashesButTrailBytesStay) {
    std::string host;
    ASSERT_TRUE(sim::hostPath("dir\\ソ\\表.txt", host));
    EXPECT_EQ(host, "dir/ソ/表.txt");
    EXPECT_FALSE(sim::hostPath("", host));
    EXPECT_FALSE(sim::hostPath(std::string(260, 'a'), host));
    EXPECT_TRUE(sim::hostPath(std::string(259, 'a'), host));
}

}  // namespace
