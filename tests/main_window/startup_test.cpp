// The main window's start-up: the program clock, the running totals read
// back, and the client started from 9:00 to 16:59 only.
#include "main_window_fixture.h"

#include "app/startup_caution.h"
#include "base/strings.h"
#include "driver/modem_dialog.h"
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

// The steps that show something, in their order: the caution (step 12),
// the modem dialog counting down by itself (step 15), and only once the
// start-up is through the posted ＰＡＴの起動 (step 17).
TEST_F(MainWindowTest, TheCautionThenTheModemCountdownThenTheClientStart) {
    writeProfile({}, {"Modem Dialog Auto Close Sec=3"});
    user.onDialog(driver::kModemDialogCaption, [](sim::Desktop&, const sim::ModalInfo&) {});  // left alone
    start();
    std::vector<std::string> shown;
    for (const auto& seen : user.seenFrom(simhome::kOrnelProgram))
        if (!seen.info.isMessageBox && seen.info.caption != "Ornel") shown.push_back(seen.info.caption);
    EXPECT_EQ(shown, (std::vector<std::string>{app::kCautionCaption, driver::kModemDialogCaption}));

    std::int64_t modemClosed = -1, connectAt = -1;
    for (const sim::TraceEvent& e : desktop.trace()) {
        if (e.kind == sim::TraceEvent::Kind::BoxAnswer && e.caption == driver::kModemDialogCaption) modemClosed = e.timeMs;
        if (e.kind == sim::TraceEvent::Kind::Message && e.hwnd == main() && e.message == plat::WM_COMMAND &&
            e.wParam == plat::makeWparam(ui::kIdConnectClient, 0))
            connectAt = e.timeMs;
    }
    EXPECT_EQ(modemClosed, 3000) << "the countdown closed the dialog";
    EXPECT_EQ(connectAt, 3000);
    EXPECT_NE(profileText().find("Modem Dialog Auto Close Sec=3"), std::string::npos) << "the seconds stay";
}

}  // namespace
}  // namespace mainwindow_test
