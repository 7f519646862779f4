// Windows-style names on the host: '\' separators, case-insensitive lookup
// that never folds a trail byte, wildcard matching.
#include <gtest/gtest.h>

#include "platform/sim/path_resolve.h"

namespace {

TEST(WildcardMatch, StarsQuestionMarksAndCase) {
    EXPECT_TRUE(sim::wildcardMatch("981205*.BET", "98120501.bet"));
    EXPECT_TRUE(sim::wildcardMatch("981205*.BET", "981205.BET"));
    EXPECT_FALSE(sim::wildcardMatch("981205*.BET", "98120501.BET.Sav"));
    EXPECT_TRUE(sim::wildcardMatch("*.*", "README"));
    EXPECT_TRUE(sim::wildcardMatch("Pat95*.exe", "PAT95V2.EXE"));
    EXPECT_TRUE(sim::wildcardMatch("a*b*c", "aXbYbZc"));
    EXPECT_FALSE(sim::wildcardMatch("a*b*c", "aXbYbZ"));
    EXPECT_TRUE(sim::wildcardMatch("?.txt", "表.txt"));  // one double-byte character
    EXPECT_FALSE(sim::wildcardMatch("??.txt", "表.txt"));
    EXPECT_FALSE(sim::wildcardMatch("ア*", "ヂ.txt"));  // 83 41 against 83 61
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
