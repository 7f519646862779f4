// `ornel sim campaign` end to end: two hundred seeded sessions of several
// runs each on one running client keep every rule, a session replays from
// its seed, and the options are checked.
#include <gtest/gtest.h>

#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;

namespace {

std::string lastLine(const std::string& out) {
    const std::size_t end = out.size() > 0 && out.back() == '\n' ? out.size() - 1 : out.size();
    const std::size_t start = out.rfind('\n', end - 1);
    return out.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1));
}

TEST(SimCampaignCommand, TwoHundredSessionsKeepEveryRule) {
    const auto run = runOrnel({"sim", "campaign", "--runs", "200", "--seed", "1", "--jobs", "2"});
    EXPECT_EQ(run.status, 0) << testsupport::u8(run.out) << run.err;
    const std::string summary = lastLine(run.out);
    int runs = 0, sessions = 0, violations = -1;
    ASSERT_EQ(std::sscanf(summary.c_str(), "runs %d sessions %d violations %d", &runs, &sessions, &violations), 3)
        << summary;
    EXPECT_EQ(sessions, 200);
    EXPECT_GE(runs, 2 * sessions);
    EXPECT_EQ(violations, 0) << testsupport::u8(run.out);
    EXPECT_EQ(run.out.find("violation seed"), std::string::npos);
}

TEST(SimCampaignCommand, ASessionReplaysFromItsSeedTheSameEveryTime) {
    const auto first = runOrnel({"sim", "campaign", "--replay", "12345"});
    const auto again = runOrnel({"sim", "campaign", "--replay", "12345"});
    EXPECT_EQ(first.status, 0) << first.out;
    EXPECT_EQ(first.out, again.out);
    EXPECT_EQ(first.out.rfind("session 12345: ", 0), 0u) << first.out;
    EXPECT_NE(first.out.find("\nrun 1: "), std::string::npos);
    EXPECT_NE(first.out.find("\nrun 2: "), std::string::npos);
    EXPECT_NE(lastLine(first.out).find(" sessions 1 violations 0"), std::string::npos) << first.out;
}

TEST(SimCampaignCommand, UsageErrors) {
    EXPECT_EQ(runOrnel({"sim", "campaign", "--runs", "0"}).status, 2);
    EXPECT_EQ(runOrnel({"sim", "campaign", "--jobs", "65"}).status, 2);
    EXPECT_EQ(runOrnel({"sim", "campaign", "--seed", "x"}).status, 2);
    EXPECT_EQ(runOrnel({"sim", "campaign", "--replay", "99999999999999999999999"}).status, 2);
    EXPECT_EQ(runOrnel({"sim", "campaign", "--fast"}).status, 2);
}

}  // namespace
