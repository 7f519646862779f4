// The main window's start-up: the program clock, the running totals read
// back, and the client started from 9:00 to 16:59 only.
#include "main_window_fixture.h"

#include "base/strings.h"
#include "support/message_sequence.h"
#include "ui/main_commands.h"

namespace mainwindow_test {
namespace {

using testsupport::MessagesMatch;

struct StartCase {
    std::int64_t start;
    bool startsClient;
};

class ClientStartHours : public MainWindowTest, public ::testing::WithParamInterface<StartCase> {
protected:
    ClientStartHours() : MainWindowTest(GetParam().start) {}
};

// Without a client set up, the posted ＰＡＴの起動 shows that the settings are
// incomplete: proof that the command ran.
TEST_P(ClientStartHours, TheClientIsStartedOnlyFrom9To16) {
    writeProfile({});
    start();
    std::vector<testsupport::MessageRow> rows = {{plat::WM_INITDIALOG}};
    if (GetParam().startsClient) rows.push_back({plat::WM_COMMAND, plat::makeWparam(ui::kIdConnectClient, 0), 0, 0});
    EXPECT_TRUE(MessagesMatch(desktop, main(), rows, 0, 0, {plat::WM_SYSCOMMAND}));
    EXPECT_EQ(boxIds(), GetParam().startsClient ? std::vector<plat::Uint>{base::kMsgSettingsIncomplete}
                                                : std::vector<plat::Uint>{});
    EXPECT_EQ(program().runControl.programClock.load(), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(Hours, ClientStartHours,
                         ::testing::Values(StartCase{k0859, false}, StartCase{k1000, true},
                                           StartCase{k1659, true}, StartCase{k1700, false}));

TEST_F(MainWindowTest, TheRunningTotalsComeBackFromCurrentInfo) {
    writeProfile({"Current Info=1998/12/05 /      6000 /         0 /      3000 /      1200 /    100000 /"
                  "    250000 /     94000 / 298 /    2"});
    start();
    EXPECT_EQ(program().terms.todayPurchase, 6000);
    EXPECT_EQ(program().terms.lastReceiptNo, 2);
    EXPECT_EQ(program().terms.betsRemaining, 298);
}

}  // namespace
}  // namespace mainwindow_test
