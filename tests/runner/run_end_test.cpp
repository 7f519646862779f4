// How a run ends when it is stopped or the client does not answer as it
// should: RunState, the messages, what the centre took, and the list, which
// then holds exactly the bets that were not placed.
#include <algorithm>
#include <functional>

#include "base/strings.h"
#include "driver/submit_group.h"
#include "driver/window_search.h"
#include "driver/submit_group_controls.h"
#include "driver/submit_group_transfer.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "runner_fixture.h"

namespace runnertest {
namespace {

// Six bets in three groups of two.
const std::vector<Row> kSixBets = {{"東京", 1, "単勝", {1}, 100},   {"東京", 2, "複勝", {2}, 200},
                               {"阪神", 3, "馬連", {3, 4}, 300}, {"阪神", 4, "枠連", {5, 6}, 400},
                               {"東京", 5, "単勝", {7}, 500},   {"東京", 6, "複勝", {8}, 600}};

std::vector<Row> rows(std::size_t from, std::size_t to) { return {kSixBets.begin() + from, kSixBets.begin() + to}; }

// The lines from..to-1 of the canonical text of all six, as they stand in
// the list (their numbers unchanged).
std::string linesOf(std::size_t from, std::size_t to) {
    const std::string all = canonical(kSixBets);
    std::size_t begin = 0;
    for (std::size_t i = 0; i < from; ++i) begin = all.find("\r\n", begin) + 2;
    std::size_t end = begin;
    for (std::size_t i = from; i < to; ++i) end = all.find("\r\n", end) + 2;
    return all.substr(begin, end - begin);
}

// A click of the user's hand on a button of the client.
void userPress(plat::Hwnd button) {
    plat::postMessage(button, plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, 0);
    plat::postMessage(button, plat::WM_LBUTTONUP, 0, 0);
}

// A run on the list in which the user, looking at the client every 20 ms,
// steps in once: act() says whether it did.
class UserStepsInTest : public RunnerTest {
protected:
    void runWhileUser(const std::string& bets, const std::function<bool()>& act) {
        setList(bets);
        startBets();
        ASSERT_TRUE(desktop.call("user", [&act] {
            while (!act()) plat::sleep(20);
        }));
        ASSERT_TRUE(runEnded());
    }
};

class StopTest : public RunnerTest, public ::testing::WithParamInterface<int> {};

// STOP pressed after the second group's first line was read, or after its
// last: the group is entered in the client, but not submitted.
INSTANTIATE_TEST_SUITE_P(LinesRead, StopTest, ::testing::Values(3, 4));

TEST_P(StopTest, StopInTheSecondGroupKeepsThatGroupAndWhatFollows) {
    install();
    settings.betDivideUnit = 2;
    setList(canonical(kSixBets));
    stopAfterLines = GetParam();
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(linesRead, GetParam()) << "no line read after the stop";
    EXPECT_EQ(ledgerText(), canonical(rows(0, 2)));
    EXPECT_EQ(pressesOf(pressed(), "通常投票"), 1) << "one vote";
    EXPECT_EQ(listText(), linesOf(2, 6)) << "the submitted lines went, the others stayed";
}

using RunEndTest = RunnerTest;

TEST_F(RunEndTest, StopBeforeAnyGroupWasSubmittedLeavesTheListAlone) {
    install();
    setList(canonical(kSixBets));
    stopAfterLines = 1;
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(ledgerText(), "");
    EXPECT_EQ(listText(), canonical(kSixBets));
}

// After the first vote the client breaks down: the next transfer ends in
// an error box, or the third bet's "Ｏ　Ｋ" is answered by an entry check.
class MidRunFailureTest : public RunnerTest, public ::testing::WithParamInterface<const char*> {};

INSTANTIATE_TEST_SUITE_P(Faults, MidRunFailureTest, ::testing::Values("transfer-error", "validation=amount"),
                         [](const auto& info) { return std::string(info.param[0] == 't' ? "Transfer" : "EntryCheck"); });

TEST_P(MidRunFailureTest, TheListKeepsExactlyTheUnsubmittedBets) {
    install();
    settings.betDivideUnit = 2;
    setList(canonical(kSixBets));
    asOrnel([] { plat::setClipboardText("the user's own text"); });
    startBets();
    ASSERT_TRUE(desktop.runUntil([] { return plat::findWindow("ThunderRTForm", "投票結果") != 0; }, 3'600'000));
    setFaults({GetParam()});
    ASSERT_TRUE(runEnded());
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(messages(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_EQ(ledgerText(), canonical(rows(0, 2))) << "each submitted bet once";
    EXPECT_EQ(listText(), linesOf(2, 6));
    std::string clipboard;
    asOrnel([&] { clipboard = plat::getClipboardText(); });
    EXPECT_EQ(clipboard, "the user's own text") << "the lines were removed without the clipboard";
}

TEST_F(RunEndTest, Error10001MeansTheVoteWentThrough) {
    install({"error-10001"});
    const std::string bets = canonical(rows(0, 3));
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), bets);
}

TEST_F(RunEndTest, Error11028WithoutForceModeFailsAndKeepsTheList) {
    install({"error-11028"});
    settings.forceMode = 0;
    const std::string bets = canonical(rows(0, 3));
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(messages(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_EQ(ledgerText(), "");
    EXPECT_EQ(listText(), bets);
}

TEST_F(RunEndTest, Error11028WithForceModeRetypesTheTotalAndForcesTheVote) {
    install({"error-11028"});
    settings.forceMode = 1;
    const std::string bets = canonical(rows(0, 3));
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), bets) << "placed once, by the forced vote";
    const auto presses = pressed();
    EXPECT_EQ(pressesOf(presses, "通常投票"), 1);
    EXPECT_EQ(pressesOf(presses, "強制投票"), 1);
}

TEST_F(RunEndTest, WithoutAutoPatTheConfirmationIsLeftToTheUser) {
    install();
    settings.autoPat = 0;
    setList(canonical(rows(0, 2)));
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_EQ(ledgerText(), "");
    EXPECT_NE(plat::findWindow("ThunderRTForm", "投票金額確認"), 0u) << "the confirmation stays open";
    EXPECT_EQ(pressesOf(pressed(), "通常投票"), 0);
}

// The first group waits on the confirmation form for the user, and the
// vote form takes nothing more until it is answered: the run ends there,
// keeping the rest, and leaves the confirmation to the user (the client is
// not closed under it).
TEST_F(RunEndTest, WithoutAutoPatTheRunEndsAtTheFirstGroupAndKeepsTheRest) {
    install();
    settings.autoPat = 0;
    settings.betDivideUnit = 2;
    setList(canonical(rows(0, 4)));
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFailed) << "bets are left";
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(listText(), linesOf(2, 4));
    ASSERT_NE(plat::findWindow("ThunderRTForm", "投票金額確認"), 0u) << "the confirmation stays open";

    // The user sends the vote: the first group is placed, once.
    asOrnel([&] {
        ASSERT_EQ(driver::PressUntilTransfer(state, driver::kConfirmNormalVote, true), driver::PressOutcome::Transfer);
        ASSERT_EQ(driver::RunTransferAndAwaitAnswer(driver, 300), driver::VoteAnswer::Accepted);
    });
    EXPECT_EQ(ledgerText(), canonical(rows(0, 2)));
}

// The vote form the client opens again (here after the user closed it)
// shows none of the selections made on the one before: they are made again,
// so the second bet goes to its own racecourse and race.
TEST_F(UserStepsInTest, AVoteFormOpenedAgainInAGroupGetsEverySelectionAgain) {
    install();
    settings.betDivideUnit = 3;
    const std::string bets = canonical({{"阪神", 3, "単勝", {1}, 100}, {"阪神", 3, "単勝", {2}, 200}});
    runWhileUser(bets, [] {
        // The vote form holds the first bet.
        const plat::Hwnd vote = plat::findWindow("ThunderRTForm", "投票");
        if (vote == 0 || driver::FindControlByCaptionAnywhere("ThunderRTForm", "投票", "件数　1件") == 0) return false;
        plat::postMessage(vote, plat::WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(ledgerText(), bets) << testsupport::u8(ledgerText());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_EQ(listText(), "");
}

// The user answers the client's acceptance box before the run has seen it:
// the run cannot tell how the vote went and fails, but the vote's log says
// the centre took the bets, so their lines go and a later run does not
// place them again.
TEST_F(UserStepsInTest, AVoteWhoseAnswerWasMissedIsSettledByItsLog) {
    install();
    const std::string bets = canonical(rows(0, 2));
    runWhileUser(bets, [] {
        const plat::Hwnd box = plat::findWindow("#32770", "ﾒｯｾｰｼﾞ");
        const plat::Hwnd ok = box != 0 ? plat::getDlgItem(box, plat::IDOK) : 0;
        if (ok != 0) userPress(ok);
        return ok != 0;
    });
    EXPECT_EQ(ledgerText(), bets);
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(messages(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_EQ(listText(), "") << "placed once: nothing left to place again";
}

// The user stops the vote's transfer on the 通信 form: the client says so
// in an information box, writes no vote log and shows no result, and the
// bets stay entered.  That is no accepted vote: the run fails and keeps
// every line.
TEST_F(UserStepsInTest, AVoteWhoseTransferTheUserStoppedIsNotTakenForAccepted) {
    install();
    const std::string bets = canonical(rows(0, 2));
    // The vote's 通信 form (its text names the vote) once its ＯＫ has
    // started the transfer.
    bool vote = false;
    runWhileUser(bets, [&vote] {
        const plat::Hwnd ok = driver::FindControlByCaptionAnywhere("ThunderRTForm", "通信", "ＯＫ");
        vote = vote || driver::FindControlByCaptionAnywhere("ThunderRTForm", "通信", "投票データ") != 0;
        if (ok == 0 || !vote || (plat::getStyle(ok) & plat::WS_VISIBLE) != 0) return false;
        userPress(driver::FindControlByCaptionAnywhere("ThunderRTForm", "通信", "中止"));
        return true;
    });
    EXPECT_EQ(ledgerText(), "");
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(messages(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_EQ(listText(), bets);
}

TEST_F(RunEndTest, AHungTransferIsGivenUpAfterItsBound) {
    install({"transfer-hang"});
    const std::string bets = canonical(rows(0, 2));
    setList(bets);
    const std::int64_t start = desktop.virtualMs();
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(messages(), std::vector<int>{base::kMsgClientFailed});
    EXPECT_GE(desktop.virtualMs() - start, static_cast<std::int64_t>(driver::kVoteTransferLimitMs));
    EXPECT_LT(desktop.virtualMs() - start, static_cast<std::int64_t>(driver::kVoteTransferLimitMs) + 120'000);
    EXPECT_EQ(listText(), bets);
}

class OutsideHoursTest : public RunnerTest {
protected:
    OutsideHoursTest() : RunnerTest(k1705) {}
};

TEST_F(OutsideHoursTest, NothingIsSentAndTheRunFailsWithItsLines) {
    install();
    const std::string bets = canonical(rows(0, 2));
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFailed) << "not a finished run that would clear the list";
    // After 17:00 the terms are no longer current (8145); the vote is not sent (8142).
    EXPECT_EQ(messages(), (std::vector<int>{base::kMsgTermsUnchecked, base::kMsgOutsideHours}));
    EXPECT_EQ(ledgerText(), "");
    EXPECT_EQ(listText(), bets);
    const auto presses = pressed();
    EXPECT_EQ(pressesOf(presses, "Ｏ　Ｋ"), 0) << "nothing of the group was entered";
    EXPECT_EQ(pressesOf(presses, "投  票"), 0);
}

}  // namespace
}  // namespace runnertest
