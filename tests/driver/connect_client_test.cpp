// ConnectClient against the replacement client: from each state the client
// can be in, both mode bits, the reception hours of the program clock, and
// the terms check at the end.
#include "base/strings.h"
#include "client_desktop.h"
#include "driver/driver_settings.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window.h"

namespace drivertest {
namespace {

using namespace driver;

using ConnectTest = ClientDriverTest;
using EarlyConnectTest = EarlyClientDriverTest;

// Ornel's WM_CHAR posts, as the bytes typed into each window in order.
std::vector<std::pair<plat::Hwnd, std::string>> typed(const std::vector<sim::TraceEvent>& chars) {
    std::vector<std::pair<plat::Hwnd, std::string>> runs;
    for (const auto& e : chars) {
        if (runs.empty() || runs.back().first != e.hwnd) runs.emplace_back(e.hwnd, "");
        runs.back().second += static_cast<char>(e.wParam);
    }
    return runs;
}

TEST_F(ConnectTest, FromNotRunningItStartsLogsInFetchesOpensAVenueAndLoadsTheTerms) {
    install();
    writeYesterdaysTerms();
    ASSERT_EQ(connect(kConnectTermsOnly), 0);
    EXPECT_TRUE(boxIds().empty());
    EXPECT_EQ(clientStarts(), 1u);
    EXPECT_TRUE(clientShows("投票"));
    EXPECT_FALSE(clientShows("JRA PAT for Win 95")) << "logged in";

    // The password went in before the user ID.
    const auto runs = typed(posts(plat::WM_CHAR));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].second, "0123");
    EXPECT_EQ(runs[1].second, "11112222");

    // The fetched terms are today's and were read after the vote form had
    // stood for 5000 ms.  The venue press is taken when the client next
    // runs, so the form is found at the second poll after it (200 ms), then
    // at the first poll of the check (100 ms).
    EXPECT_EQ(terms.termsYear, 1998);
    EXPECT_EQ(terms.termsDay, 5);
    EXPECT_EQ(terms.termsChecked, 1);
    EXPECT_EQ(terms.meetings[0].venueCode, 5);
    EXPECT_EQ(terms.meetings[1].venueCode, 9);
    EXPECT_EQ(desktop.virtualMs() - lastPostMs(), 200 + 100 + 5000);
}

TEST_F(EarlyConnectTest, BeforeNineModeZeroOnlyChecksTheTerms) {
    install();
    writeYesterdaysTerms();
    ASSERT_EQ(connect(kConnectTermsOnly), 0);
    EXPECT_EQ(clientStarts(), 0u);
    EXPECT_TRUE(posts().empty());
    EXPECT_EQ(terms.termsDay, 4) << "yesterday's terms, read as they are";
    EXPECT_EQ(terms.termsChecked, 0);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgTermsUnchecked});
    EXPECT_EQ(lastMs, 500) << "no window was waited for; the message pauses 500 ms";
}

TEST_F(EarlyConnectTest, BeforeNineBetEntryLogsInWithoutFetchingAndSaysWhy) {
    install();
    writeYesterdaysTerms();
    ASSERT_EQ(connect(kConnectForBetting), 0);
    EXPECT_EQ(clientStarts(), 1u);
    EXPECT_TRUE(clientShows("投票"));
    EXPECT_EQ(boxIds(), (std::vector<int>{base::kMsgOutsideHours, base::kMsgTermsUnchecked}));
    EXPECT_EQ(terms.termsDay, 4) << "取得しない: the files stay as they were";
}

TEST_F(ConnectTest, SkipAnnLogsInWithoutFetchingAndWithoutAMessage) {
    install();
    writeYesterdaysTerms();
    SetDriverFlags(state, 1, 1, 1, 0);
    ASSERT_EQ(connect(kConnectTermsOnly), 0);
    EXPECT_TRUE(clientShows("投票"));
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgTermsUnchecked}) << "only the terms check speaks";
    EXPECT_EQ(terms.termsDay, 4);
}

// The whole way in at a scale, then again at the vote form.
TEST_F(ConnectTest, AtTheVoteFormModeZeroTouchesNoWindowAndModeThreeCalibrates) {
    install({"scale=1.5"});
    writeYesterdaysTerms();
    ASSERT_EQ(connect(kConnectTermsOnly), 0);

    terms = {};
    desktop.clearTrace();
    ASSERT_EQ(connect(kConnectTermsOnly), 0);
    EXPECT_TRUE(posts().empty());
    EXPECT_EQ(clientStarts(), 0u);
    EXPECT_EQ(terms.termsDay, 5) << "the terms were read again";
    EXPECT_EQ(lastMs, 100) << "the vote form was found at the first poll";

    state.scaleX = state.scaleY = 1.0;
    ASSERT_EQ(connect(kConnectForBetting), 0);
    EXPECT_EQ(state.scaleX.load(), 1.5);
    EXPECT_EQ(state.scaleY.load(), 1.5);
    EXPECT_TRUE(posts().empty());
}

TEST_F(EarlyConnectTest, TermsInMemoryAreNotReadAgain) {
    install();
    terms.termsYear = 1998;
    terms.termsMonth = 12;
    terms.termsDay = 5;
    terms.termsChecked = 1;
    // No terms files at all: a read would say so.
    ASSERT_EQ(connect(kConnectTermsOnly), 0);
    EXPECT_TRUE(boxIds().empty());
    EXPECT_EQ(lastMs, 0);
}

TEST_F(ConnectTest, MissingSettingsAreReportedBeforeAnyWindowIsTouched) {
    install();
    state.password.clear();
    EXPECT_EQ(connect(kConnectForBetting), -1);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgSettingsIncomplete});
    EXPECT_EQ(clientStarts(), 0u);
    EXPECT_EQ(lastMs, 0);
}

TEST_F(ConnectTest, AnErrorBoxDuringTheFetchEndsWith8141AndLeavesTheClientAsItIs) {
    install({"transfer-error"});
    writeYesterdaysTerms();
    EXPECT_EQ(connect(kConnectTermsOnly), -1);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_NE(plat::findWindow("#32770", "ｴﾗｰﾒｯｾｰｼﾞ"), 0u) << "the client's box is left for the user";
    EXPECT_EQ(terms.termsDay, 0) << "cleared for the fetch, not read";
}

TEST_F(ConnectTest, AHungTransferIsGivenUpAfterFiveMinutes) {
    install({"transfer-hang"});
    writeYesterdaysTerms();
    EXPECT_EQ(connect(kConnectTermsOnly), -1);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_TRUE(clientShows("通信"));
    EXPECT_GT(lastMs, static_cast<std::int64_t>(kTermsTransferLimitMs));
    EXPECT_LT(lastMs, static_cast<std::int64_t>(kTermsTransferLimitMs) + 60'000);
}

TEST_F(ConnectTest, AMinimizedMenuFormIsRestoredBeforeItsVoteButtonIsPressed) {
    install({"minimized=menu"});
    writeYesterdaysTerms();
    SetDriverFlags(state, 1, 1, 1, 0);
    ASSERT_EQ(connect(kConnectTermsOnly), 0);
    // Close the vote form as a user would: the client is at its menu form.
    asOrnel([] {
        plat::postMessage(plat::findWindow("ThunderRTForm", "投票"), plat::WM_CLOSE, 0, 0);
        plat::sleep(100);
    });
    ASSERT_FALSE(clientShows("投票"));
    ASSERT_FALSE(clientShows("開催場案内"));

    desktop.clearTrace();
    terms.termsDay = 5;
    EXPECT_EQ(connect(kConnectTermsOnly), 0);
    EXPECT_TRUE(posts().empty()) << "mode 0 leaves the menu form alone";

    ASSERT_EQ(connect(kConnectForBetting), 0);
    EXPECT_TRUE(clientShows("投票"));
    std::size_t restores = 0;
    for (const auto& e : posts(plat::WM_SYSCOMMAND)) restores += e.wParam == plat::SC_RESTORE;
    EXPECT_EQ(restores, 1u);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgTermsUnchecked}) << "only the first connection's";
}

TEST_F(ConnectTest, ADisabledVoteFormFails) {
    install({"disabled=vote"});
    writeYesterdaysTerms();
    SetDriverFlags(state, 1, 1, 1, 0);
    EXPECT_EQ(connect(kConnectTermsOnly), 0) << "the venue's press opens it; mode 0 stops there";
    EXPECT_EQ(connect(kConnectForBetting), -1);
    EXPECT_EQ(boxIds(), (std::vector<int>{base::kMsgTermsUnchecked, base::kMsgClientFailed}));
}

}  // namespace
}  // namespace drivertest
