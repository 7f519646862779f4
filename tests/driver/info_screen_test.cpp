// The information form against the replacement client: payouts and race
// cards of the day's meetings fetched from wherever the form stands, the
// busy flag that keeps a second fetch away from the client, and the ways a
// transfer can fail.
#include <memory>

#include "base/strings.h"
#include "betclient/centre/payout_file.h"
#include "betclient/centre/race_card_file.h"
#include "betclient_centre/centre_fixture.h"
#include "client_desktop.h"
#include "driver/client_forms.h"
#include "driver/form_actions.h"
#include "driver/info_screen.h"
#include "driver/input.h"
#include "driver/window_search.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window.h"
#include "ui/client_data_commands.h"

namespace drivertest {
namespace {

using namespace driver;

constexpr std::int64_t k1015 = k1000 + 15 * 60;
constexpr std::int64_t k1630 = k1000 + 6 * 3600 + 30 * 60;

// Payout-file facts, read as the columns are laid out.
int raceFlag(const std::string& line, centre::Kind kind, int race) {
    const auto& k = centre::payout_layout::kKinds[centre::kindIndex(kind)];
    return centre_test::field(line, centre::payout_layout::blockAt(k, race) + centre::payout_layout::kResultFlag.at, 1);
}
int firstPayout(const std::string& line, centre::Kind kind, int race) {
    const auto& k = centre::payout_layout::kKinds[centre::kindIndex(kind)];
    return centre_test::field(line, centre::payout_layout::entryAt(k, race, 0) + k.payout.at, k.payout.width);
}

class InfoScreenTest : public ClientDriverTest {
protected:
    explicit InfoScreenTest(std::int64_t start = k1630) : ClientDriverTest(start) {}

    // The client logged in with today's terms fetched and read, its vote
    // form showing, then the faults set; trace and boxes cleared.
    void readyClient(const std::vector<std::string>& faults = {}) {
        install();
        ASSERT_EQ(connect(kConnectTermsOnly), 0);
        ASSERT_EQ(terms.termsDay, 5);
        setFaults(faults);
        desktop.clearTrace();
        forgetBoxes();
    }
    int fetchPayouts() {
        int result = 99;
        asOrnel([&] { result = FetchPayoutInfo(pat); });
        return result;
    }
    std::string clientFile(const std::string& name) const {
        return testsupport::readBytes(clientDir + name);
    }
    std::string payoutFile(int slot, centre::Kind kind) const {
        const centre::Day day = centre_test::smallDay();
        return clientFile(centre::payoutFileName(day, day.meetings[static_cast<std::size_t>(slot)], kind));
    }
    bool clientFileExists(const std::string& name) const { plat::FileInfo info;
        return plat::fileStatus(clientDir + name, info); }
    std::size_t keyPresses(plat::Wparam key) const {
        std::size_t n = 0;
        for (const auto& e : posts(plat::WM_KEYDOWN)) n += e.wParam == key;
        return n;
    }
    // Presses on the payout list (its caption pictures the rows).
    std::size_t listClicks() const {
        std::size_t n = 0;
        for (const auto& e : posts(plat::WM_LBUTTONDOWN)) n += e.caption.find("確定") != std::string::npos;
        return n;
    }
};

class EarlyInfoScreenTest : public InfoScreenTest {
protected:
    EarlyInfoScreenTest() : InfoScreenTest(k1015) {}
};

TEST_F(InfoScreenTest, PayoutsOfEveryMeetingComeInOneTransferFromTheMenuForm) {
    readyClient();
    EXPECT_EQ(fetchPayouts(), 0);
    EXPECT_TRUE(boxIds().empty());
    EXPECT_FALSE(state.infoBusy.load());
    EXPECT_EQ(pressesOf("パドック"), 1u);
    EXPECT_EQ(pressesOf("情報取得"), 3u) << "once to open the selection, once per racecourse";
    EXPECT_EQ(pressesOf("通信"), 1u);
    EXPECT_EQ(listClicks(), 8u) << "four rows per racecourse";
    EXPECT_EQ(keyPresses(plat::VK_DOWN), 1u) << "東京 is first in the list, 阪神 one down";
    desktop.runFor(1000);
    EXPECT_EQ(plat::findWindow("#32770", "ﾒｯｾｰｼﾞ"), 0u) << "the closing box was answered";
    EXPECT_TRUE(clientShows("パドック"));

    for (const centre::Kind kind : centre::kAllKinds) {
        EXPECT_FALSE(payoutFile(0, kind).empty());
        EXPECT_FALSE(payoutFile(1, kind).empty());
    }
    EXPECT_EQ(raceFlag(payoutFile(0, centre::Kind::Win), centre::Kind::Win, 1), 1);
    EXPECT_EQ(firstPayout(payoutFile(0, centre::Kind::Win), centre::Kind::Win, 1), 350);
    EXPECT_EQ(firstPayout(payoutFile(1, centre::Kind::Quinella), centre::Kind::Quinella, 1), 900);
}

TEST_F(InfoScreenTest, AFormAlreadyOpenIsUsedAndListedOnceMore) {
    readyClient();
    ASSERT_EQ(fetchPayouts(), 0);
    desktop.clearTrace();
    ASSERT_EQ(fetchPayouts(), 0);
    EXPECT_EQ(pressesOf("パドック"), 0u) << "no menu-form action";
    EXPECT_EQ(pressesOf("閉じる"), 0u);
    EXPECT_EQ(pressesOf("情報取得"), 3u);
    EXPECT_EQ(keyPresses(plat::VK_UP), 1u) << "back from 阪神 to 東京";
    EXPECT_EQ(keyPresses(plat::VK_DOWN), 1u);
    EXPECT_TRUE(boxIds().empty());
}

TEST_F(InfoScreenTest, AFormWithAChoiceLeftOverIsClosedAndOpenedAgain) {
    readyClient();
    asOrnel([&] {
        ASSERT_EQ(OpenInfoForm(pat), 0);
        plat::sleep(1000);
        const plat::Point at = Scaled(state, kInfoPayoutListAt);
        const plat::Hwnd list = FindControlAt(kInfoForm.className, kInfoForm.caption, at.x, at.y);
        ASSERT_NE(list, 0u);
        ClickAt(state, list, {5, 5}, {100, 100, 100});
        plat::sleep(1000);
    });
    desktop.clearTrace();
    EXPECT_EQ(fetchPayouts(), 0);
    EXPECT_EQ(pressesOf("閉じる"), 1u);
    EXPECT_EQ(pressesOf("パドック"), 1u);
    EXPECT_EQ(listClicks(), 8u);
    EXPECT_TRUE(boxIds().empty());
}

TEST_F(InfoScreenTest, WithoutAMeetingTheTransferIsTriedAtOnceAndNothingIsThereToSend) {
    readyClient();
    terms.meetings = {};
    EXPECT_EQ(fetchPayouts(), -1);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_TRUE(posts(plat::WM_KEYDOWN).empty()) << "no racecourse chosen";
    EXPECT_EQ(pressesOf("情報取得"), 1u);
    EXPECT_EQ(pressesOf("通信"), 0u) << "disabled with nothing chosen";
    EXPECT_FALSE(state.infoBusy.load());
}

TEST_F(EarlyInfoScreenTest, PayoutFilesHoldTheResultsOutAtTheTimeOfTheTransfer) {
    readyClient();
    ASSERT_EQ(fetchPayouts(), 0);
    // 東京 1R started at 10:00 (result out at 10:10), 阪神 1R at 10:10.
    EXPECT_EQ(raceFlag(payoutFile(0, centre::Kind::Win), centre::Kind::Win, 1), 1);
    EXPECT_EQ(raceFlag(payoutFile(1, centre::Kind::Win), centre::Kind::Win, 1), 0);
    EXPECT_EQ(firstPayout(payoutFile(1, centre::Kind::Win), centre::Kind::Win, 1), 0);
}

TEST_F(InfoScreenTest, AnErrorBoxAfterTheTransferFailsAndFetchesFromTicksMeanwhileLeaveTheClientAlone) {
    readyClient({"transfer-error"});
    user.setDelay(5000);
    std::vector<int> tickResults;
    std::vector<std::int64_t> tickTimes;
    int result = 99;
    asOrnel([&] {
        // A timer of Ornel's window thread, as the main window's tick: it
        // runs only while a box of Ornel's pumps the thread's messages.
        plat::CreateParams params;
        params.className = "Static";
        params.caption = "tick";
        const plat::Hwnd window = plat::createWindow(params);
        plat::setWindowProc(window, [&](plat::Hwnd h, plat::Uint m, plat::Wparam w, plat::Lparam l) {
            if (m != plat::WM_TIMER) return plat::defWindowProc(h, m, w, l);
            tickTimes.push_back(desktop.virtualMs());
            tickResults.push_back(FetchPayoutInfo(pat));
            tickResults.push_back(FetchRaceCards(pat));
            return plat::Lresult{0};
        });
        plat::setTimer(window, 1, 2000);
        result = FetchPayoutInfo(pat);
        plat::destroyWindow(window);
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgClientFailed});
    // The tick that fell due during the fetch comes as the box starts, then
    // one every two seconds.
    EXPECT_EQ(tickResults, (std::vector<int>(6, 1))) << "payouts and race cards alike";
    EXPECT_FALSE(state.infoBusy.load());

    // Nothing crossed to the client while Ornel's box was open.
    std::int64_t boxShown = -1, boxAnswered = -1;
    for (const auto& e : desktop.trace()) {
        if (e.fromProgram != "Ornel") continue;
        if (e.kind == sim::TraceEvent::Kind::Box) boxShown = e.timeMs;
        if (e.kind == sim::TraceEvent::Kind::BoxAnswer) boxAnswered = e.timeMs;
    }
    ASSERT_GE(boxShown, 0);
    ASSERT_EQ(boxAnswered, boxShown + 5000);
    ASSERT_EQ(tickTimes.size(), 3u);
    EXPECT_GE(tickTimes.front(), boxShown);
    EXPECT_LT(tickTimes.back(), boxAnswered);
    EXPECT_LT(lastPostMs(), boxShown) << "no post from the second fetch";
    for (const auto& e : desktop.trace())
        EXPECT_FALSE(e.fromProgram == "Ornel" && e.timeMs > boxShown && e.kind == sim::TraceEvent::Kind::Send);
}

TEST_F(InfoScreenTest, ATransferThatNeverEndsIsGivenUpAfterFiveMinutes) {
    readyClient({"transfer-hang"});
    EXPECT_EQ(fetchPayouts(), -1);
    EXPECT_EQ(boxIds(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_GT(lastMs, static_cast<std::int64_t>(kInfoTransferLimitMs));
    EXPECT_LT(lastMs, static_cast<std::int64_t>(kInfoTransferLimitMs) + 60'000);
    EXPECT_FALSE(state.infoBusy.load());
}

TEST_F(InfoScreenTest, RaceCardsOfEveryRaceOfEveryMeeting) {
    readyClient();
    int result = 99;
    asOrnel([&] { result = FetchRaceCards(pat); });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(boxIds().empty());
    EXPECT_EQ(pressesOf("通信"), 1u);
    const centre::Day day = centre_test::smallDay();
    for (const centre::Meeting& m : day.meetings)
        for (int race = 1; race <= 12; ++race)
            EXPECT_TRUE(clientFileExists(centre::raceCardFileName(m, race))) << m.venue << " " << race;
    for (const centre::Kind kind : centre::kAllKinds) EXPECT_TRUE(payoutFile(0, kind).empty()) << "no payouts asked for";
    EXPECT_FALSE(state.infoBusy.load());
}

// 出馬表の取得 (32780): the fetch, then the client's files read into the
// start times of every race of the day's meetings.
TEST_F(InfoScreenTest, FetchedRaceCardsGiveEveryRaceItsStartTime) {
    readyClient();
    terms.raceCardDate = 1204;
    int result = 99;
    asOrnel([&] { result = ui::RunFetchRaceCards(pat); });
    EXPECT_EQ(result, 0);
    const centre::Day day = centre_test::smallDay();
    ASSERT_FALSE(day.meetings.empty());
    for (const centre::Meeting& m : day.meetings) {
        const int slot = terms.slotOfVenue(m.venue);
        ASSERT_GE(slot, 0) << m.venue;
        for (int race = 1; race <= 12; ++race)
            EXPECT_EQ(terms.meetings[slot].races[race - 1].startTime, m.races[race - 1].startTime) << m.venue << " " << race;
    }
    EXPECT_EQ(terms.raceCardDate, 1204);
}

}  // namespace
}  // namespace drivertest
