// Quitting the client, and restarting it for today's voting terms.
#include <memory>

#include "base/run_control.h"
#include "base/strings.h"
#include "client_desktop.h"
#include "driver/close_client.h"
#include "driver/driver_settings.h"
#include "driver/refresh_voting_terms.h"
#include "platform/window.h"

namespace drivertest {
namespace {

// Run control of a run started by `source` with AUTO mode as given.
std::unique_ptr<base::RunControl> runOf(bool autoMode, int source) {
    auto run = std::make_unique<base::RunControl>();
    run->autoMode = autoMode ? 1 : 0;
    run->runSource = source;
    return run;
}

using namespace driver;

using CloseTest = ClientDriverTest;
using RefreshTest = ClientDriverTest;
using EarlyRefreshTest = EarlyClientDriverTest;

TEST_F(CloseTest, ExitIsConfirmedAndTheClientEnds) {
    startWithYesterdaysTerms();
    int result = 1;
    asOrnel([&] { result = CloseClient(pat); });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(visibleForms().empty());
    EXPECT_EQ(plat::findWindow("ThunderRTForm", "JRA PAT for Win95"), 0u);
    EXPECT_EQ(pressesOf("終　了"), 1u);
    EXPECT_EQ(pressesOf("はい(&Y)"), 1u);
    EXPECT_TRUE(boxIds().empty());

    asOrnel([&] { result = CloseClient(pat); });
    EXPECT_EQ(result, 0) << "nothing to close";
    EXPECT_EQ(lastMs, 2100) << "the menu form was looked for 4 x ActionWait";
}

TEST_F(CloseTest, AConfirmationThatNeverComesEndsAfterSixPressesWith8141) {
    startWithYesterdaysTerms({"disabled=menu"});
    int result = 1;
    asOrnel([&] { result = CloseClient(pat); });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(pressesOf("終　了"), 6u);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgClientFailed});
    // Found at once (100), six presses of 200 + 1000, the message's 500.
    EXPECT_EQ(lastMs, 100 + 6 * 1200 + 500);
    EXPECT_TRUE(clientShows("JRA PAT for Win95"));
}

TEST_F(RefreshTest, AClientThatIsNotRunningIsLeftAloneOutsideATimerBetRun) {
    install();
    int result = 1;
    asOrnel([&] { result = RefreshVotingTerms(pat, *runOf(true, base::kRunSourceBetFile)); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(clientStarts(), 0u);
    EXPECT_TRUE(boxIds().empty());
}

TEST_F(RefreshTest, ATimerBetRunStartsTheClientAndFetchesWhateverTheSettingsSay) {
    install();
    writeYesterdaysTerms();
    SetDriverFlags(state, 0, 0, 1, 0);
    int result = 1;
    asOrnel([&] { result = RefreshVotingTerms(pat, *runOf(true, base::kRunSourceTimerBet)); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(clientStarts(), 1u);
    EXPECT_EQ(terms.termsDay, 5) << "fetched";
    EXPECT_EQ(terms.termsChecked, 1);
    EXPECT_TRUE(boxIds().empty()) << "no question in a timer-bet run";
    EXPECT_EQ(state.flags.accInp.load(), 1);
    EXPECT_EQ(state.flags.autoPat.load(), 1);
    EXPECT_EQ(state.flags.skipAnn.load(), 0);
    EXPECT_EQ(state.flags.forceMode.load(), 1);
}

TEST_F(RefreshTest, StaleTermsAskBeforeTheClientIsRestarted) {
    startWithYesterdaysTerms();
    user.answerId(base::kMsgTermsNotToday, plat::IDNO);
    int result = 1;
    asOrnel([&] { result = RefreshVotingTerms(pat, *runOf(false, base::kRunSourceUser)); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgTermsNotToday});
    EXPECT_TRUE(posts().empty()) << "No: the client is not touched";

    user.answerId(base::kMsgTermsNotToday, plat::IDYES);
    settings.accInp = 0;
    settings.forceMode = 1;
    asOrnel([&] { result = RefreshVotingTerms(pat, *runOf(false, base::kRunSourceUser)); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(pressesOf("終　了"), 1u);
    EXPECT_EQ(clientStarts(), 1u) << "started again after it had closed";
    EXPECT_EQ(pressesOf("取得する"), 1u);
    EXPECT_TRUE(clientShows("投票"));
    EXPECT_EQ(terms.termsDay, 5);
    EXPECT_EQ(terms.termsChecked, 1);
    EXPECT_EQ(state.flags.accInp.load(), 0) << "the flags come from the settings";
    EXPECT_EQ(state.flags.forceMode.load(), 1);
    EXPECT_EQ(state.flags.skipAnn.load(), 0);

    // Today's terms now: nothing to do.
    desktop.clearTrace();
    asOrnel([&] { result = RefreshVotingTerms(pat, *runOf(false, base::kRunSourceUser)); });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(posts().empty());
    EXPECT_EQ(lastMs, 0);
}

TEST_F(EarlyRefreshTest, NothingHappensOutsideTheReceptionHours) {
    install();
    int result = 1;
    asOrnel([&] { result = RefreshVotingTerms(pat, *runOf(true, base::kRunSourceTimerBet)); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(clientStarts(), 0u);
    EXPECT_EQ(lastMs, 0);
}

}  // namespace
}  // namespace drivertest
