// `ornel settings` end to end: loading writes what start-up writes, and the
// listing shows what the program holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;

namespace {

TEST(SettingsCommand, LoadsLikeStartUpAndListsEveryKey) {
    testsupport::TempDir dir;
    const std::string ini = dir.file("Ornel.INI");
    testsupport::writeBytes(ini,
                            "[Define]\r\nPat Id=12345678\r\nPat Pass Word=4321\r\n"
                            "Bet File Watch Distance=30\r\nTarget Dir=C:\\ターゲット\\\r\n");
    auto run = runOrnel({"settings", "--ini", ini});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.find("12345678"), std::string::npos);
    EXPECT_EQ(run.out.find("Pat "), std::string::npos);
    const std::string head =
        "Action Wait=500\nMessage Wait=100\nWindow Open Wait=2\nBet File Watch Distance=60\n";
    EXPECT_EQ(run.out.substr(0, head.size()), head);
    EXPECT_NE(run.out.find("Target Dir=C:\\ターゲット\\\nAccInp=1\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 41);

    // The migration and the watch distance were written to the file.
    const std::string after = testsupport::readBytes(ini);
    EXPECT_NE(after.find("Pat Id=\r\n"), std::string::npos);
    EXPECT_NE(after.find("Pat Pass Word=\r\n"), std::string::npos);
    EXPECT_NE(after.find("Bet File Watch Distance=60\r\n"), std::string::npos);
    EXPECT_NE(after.find("Pat Code="), std::string::npos);

    auto shown = runOrnel({"settings", "--ini", ini, "--show-credentials"});
    EXPECT_NE(shown.out.find("Target Dir=C:\\ターゲット\\\nUser ID=12345678\nPassword=4321\nAccInp=1\n"),
              std::string::npos);
    EXPECT_EQ(testsupport::readBytes(ini), after);
}

TEST(SettingsCommand, AMissingProfileListsTheDefaults) {
    testsupport::TempDir dir;
    auto run = runOrnel({"settings", "--ini", dir.file("none.ini")});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Limit Time=5000\nLimit Race=5000\nBet Divide Unit=50\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));

    EXPECT_EQ(runOrnel({"settings"}).status, 2);
    EXPECT_EQ(runOrnel({"settings", "--ini", dir.path()}).status, 2);
}

}  // namespace
