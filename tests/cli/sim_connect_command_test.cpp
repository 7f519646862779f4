// `ornel sim connect` end to end: a simulated home made on first use and
// kept between runs.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sjis.h"
#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;

namespace {

class SimConnectCommand : public ::testing::Test {
protected:
    cli_test::Run connect(std::vector<std::string> extra) {
        std::vector<std::string> args = {"sim", "connect", "--home", home.path() + "home"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runOrnel(args);
    }
    std::string file(const std::string& name) const { return home.path() + "home/" + name; }

    testsupport::TempDir home;
};

TEST_F(SimConnectCommand, AFreshHomeConnectsWithTodaysTermsAndIsKeptForTheNextRun) {
    auto run = connect({"--now", "2024-06-15 10:00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.find("\n8"), std::string::npos) << "no box: " << testsupport::u8(run.out);
    // Started, logged in, terms fetched, a venue opened: the vote form is up.
    EXPECT_EQ(run.out.substr(0, 9), "result 0\n");
    EXPECT_NE(run.out.find("\nforms 投票 | JRA PAT for Win95\nterms-checked 1\n"), std::string::npos)
        << testsupport::u8(run.out);
    const std::string profile = readBytes(file("WINDOWS/Ornel.INI"));
    EXPECT_NE(profile.find("Pat95 Dir=C:\\client\\Pat95.exe\r\nBet File Dir=C:\\bets\\\r\n"), std::string::npos) << profile;
    EXPECT_NE(profile.find("Pat Code="), std::string::npos);
    EXPECT_NE(readBytes(file("client/Uy-a.Jra")).substr(0, 8), "");

    // The next day before nine, terms only: nothing started; the terms kept
    // from the day before are read and not in force.
    run = connect({"--now", "2024-06-16 08:30", "--mode", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(testsupport::u8(run.out),
              testsupport::u8("result 0\n"
              "8145 投票要項ノンチェックモードで動作します。\n"
              "virtual-ms 500\n"
              "forms\n"
              "terms-checked 0\n"));
}

TEST_F(SimConnectCommand, Utf8PrintsBoxesAndCaptionsInUtf8) {
    auto run = connect({"--now", "2024-06-15 08:30", "--mode", "0", "--utf8"});
    EXPECT_NE(run.out.find(sjis::toUtf8("\n0 開催情報ファイルが見つかりません！\n")), std::string::npos) << run.out;
    run = connect({"--now", "2024-06-15 09:00", "--utf8"});
    EXPECT_NE(run.out.find(sjis::toUtf8("\nforms 投票 | ")), std::string::npos) << run.out;
}

TEST_F(SimConnectCommand, AnErrorDuringTheFetchFailsWithTheDriversMessage) {
    auto run = connect({"--now", "2024-06-15 10:00", "--fault", "transfer-error"});
    EXPECT_EQ(run.status, 1) << "the connection failed";
    EXPECT_EQ(run.out.substr(0, 10), "result -1\n");
    EXPECT_NE(run.out.find("\n8141 Ｐａｔ９５が正常に操作できません。\\rベット内容をご確認ください。\n"), std::string::npos)
        << testsupport::u8(run.out);
    EXPECT_NE(run.out.find("\nforms JRA PAT for Win 95\nterms-checked 0\n"), std::string::npos)
        << testsupport::u8(run.out);
}

TEST_F(SimConnectCommand, AnExistingProfileIsUsedAsItIs) {
    std::filesystem::create_directories(file("WINDOWS"));
    testsupport::writeBytes(file("WINDOWS/Ornel.INI"), "[Define]\r\nSkipAnn=0\r\n");
    const auto run = connect({"--now", "2024-06-15 10:00"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.substr(0, 10), "result -1\n");
    EXPECT_NE(run.out.find("\n8147 "), std::string::npos) << "no account in it: " << testsupport::u8(run.out);
    EXPECT_EQ(readBytes(file("WINDOWS/Ornel.INI")), "[Define]\r\nSkipAnn=0\r\n");
}

TEST_F(SimConnectCommand, UsageErrors) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"sim", "connect"}, {"sim", "connect", "--home", home.path(), "--mode", "4"},
          {"sim", "connect", "--home", home.path(), "--fault", "no-such-fault"},
          {"sim", "connect", "--home", home.path(), "--scale", "5"}, {"sim"}, {"sim", "bet-everything"}}) {
        const auto run = runOrnel(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_NE(run.err, "");
    }
}

}  // namespace
