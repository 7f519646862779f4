// The strict client: it takes its time as a real one does (forms and their
// controls appear over time, clicks and keys after a latency, transfers a
// few seconds, all drawn from its seed), its vote form takes no input while
// a vote is confirmed, sent or shown, a pair kind leaves the method to be
// chosen, and its boxes answer GetParent with the form they belong to.
#include <set>

#include "betclient/client_timing.h"
#include "client_fixture.h"
#include "platform/clock.h"
#include "platform/system.h"

namespace clienttest {
namespace {

using namespace hand;
using namespace plat;

class StrictClientTest : public ClientTest {
protected:
    StrictClientTest() { behaviour.ideal = false; }

    // Logged in without the terms, the vote form of 東京 open and built
    // (its last control there).
    Hwnd openTokyoVoteForm() {
        logIn();
        skipTerms();
        EXPECT_NE(waitByCaption(kForm, kVenues, 635, 346, "東京"), 0u);
        EXPECT_TRUE(click(kForm, kVenues, 635, 346, "東京"));
        const Hwnd vote = waitTop(kForm, kVote);
        calibrateVote();
        EXPECT_NE(waitByCaption(kForm, kVote, 161, 394, "投  票"), 0u);
        return vote;
    }
};

TEST(ClientTimingTest, TheIdealClientWaitsForNothingAndTheStrictOneFollowsItsSeed) {
    betclient::ClientTiming ideal({.ideal = true});
    EXPECT_EQ(ideal.formDelayMs(), 0u);
    EXPECT_EQ(ideal.controlPauseMs(), 0u);
    EXPECT_EQ(ideal.inputLatencyMs(), 0u);
    EXPECT_EQ(ideal.transferMs(), 2500u);

    auto draws = [](std::uint64_t seed) {
        betclient::ClientTiming strict({.ideal = false, .seed = seed});
        std::vector<std::uint32_t> values;
        for (int i = 0; i < 20; ++i) {
            values.push_back(strict.formDelayMs());
            values.push_back(strict.controlPauseMs());
            values.push_back(strict.inputLatencyMs());
            values.push_back(strict.transferMs());
        }
        return values;
    };
    EXPECT_EQ(draws(7), draws(7)) << "a seed replays";
    EXPECT_NE(draws(7), draws(8));
    const std::vector<std::uint32_t> v = draws(7);
    for (std::size_t i = 0; i < v.size(); i += 4) {
        EXPECT_GT(v[i], 0u) << "a form takes its time";
        EXPECT_LT(v[i + 2], v[i + 3]) << "a key takes less than a transfer";
    }
}

TEST_F(StrictClientTest, AFormIsFoundBeforeItsControlsAndCompletesWithinASecond) {
    install();
    act([&] {
        ASSERT_GT(shellExecute(0, "open", exe, "", client.path(), SW_SHOWNORMAL), 32);
        // Polling every millisecond: the form shows empty first.
        Hwnd login = 0;
        for (int i = 0; i < 5000 && login == 0; ++i) {
            login = findWindow(kForm, kLogin);
            if (login == 0) plat::sleep(1);
        }
        ASSERT_NE(login, 0u);
        const std::uint32_t shown = tickCount();
        calibrate(kForm, kLogin, 651, 493);
        EXPECT_EQ(findByCaption(kForm, kLogin, 381, 412, "ＯＫ"), 0u) << "half-built";
        ASSERT_NE(waitByCaption(kForm, kLogin, 381, 412, "ＯＫ", 2000), 0u);
        EXPECT_GT(tickCount() - shown, 20u);
        EXPECT_LT(tickCount() - shown, 1000u);
    });
}

TEST_F(StrictClientTest, KeysTakeEffectAfterALatency) {
    install();
    act([&] {
        startClient();
        ASSERT_NE(waitByCaption(kForm, kLogin, 381, 412, "ＯＫ"), 0u);
        const Hwnd field = findDeepestAt(kForm, kLogin, 504, 322);
        ASSERT_NE(field, 0u);
        const std::uint32_t start = tickCount();
        type(field, "11112222");
        while (getWindowText(field) != "11112222" && tickCount() - start < 5000) plat::sleep(1);
        EXPECT_EQ(getWindowText(field), "11112222");
        EXPECT_GE(tickCount() - start, 8u) << "each key at least a millisecond";
    });
}

TEST_F(StrictClientTest, ThePairKindsLeaveTheMethodToBeChosen) {
    install();
    act([&] {
        ASSERT_NE(openTokyoVoteForm(), 0u);
        ASSERT_TRUE(check(kForm, kVote, 57, 331, "馬連"));
        plat::sleep(200);
        const Hwnd normal = findByCaption(kForm, kVote, 163, 151, "通常");
        const Hwnd wheel = findByCaption(kForm, kVote, 227, 151, "総流し");
        ASSERT_NE(normal, 0u);
        EXPECT_TRUE(isWindowEnabled(normal));
        EXPECT_TRUE(isWindowEnabled(wheel));
        EXPECT_NE(sendMessage(normal, BM_GETCHECK, 0, 0), BST_CHECKED) << "no method chosen";
        EXPECT_NE(sendMessage(wheel, BM_GETCHECK, 0, 0), BST_CHECKED);
        clickHorse(3);
        plat::sleep(100);
        clickHorse(5);
        plat::sleep(100);
        typeAmount(1000);
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        EXPECT_NE(boxText(kInfoBox, 278, 56, "枠連、馬連選択時"), 0u) << "the client asks for the method";
    });
}

TEST_F(StrictClientTest, TheVoteFormTakesNoInputWhileAVoteIsConfirmedAndItsBoxIsTheConfirmationsChild) {
    install();
    act([&] {
        const Hwnd vote = openTokyoVoteForm();
        ASSERT_NE(vote, 0u);
        ASSERT_TRUE(selectItem(kVote, "場名", "東京", 92, 71));
        ASSERT_TRUE(check(kForm, kVote, 57, 259, "単勝"));
        plat::sleep(100);
        clickHorse(1);
        plat::sleep(100);
        typeAmount(100);
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        plat::sleep(100);
        EXPECT_TRUE(isWindowEnabled(vote));
        ASSERT_TRUE(click(kForm, kVote, 161, 394, "投  票"));
        const Hwnd confirm = waitTop(kForm, kConfirm);
        ASSERT_NE(confirm, 0u);
        EXPECT_FALSE(isWindowEnabled(vote)) << "while the confirmation is open";
        // A wrong total: the box over the confirmation is its pop-up.
        ASSERT_NE(waitByCaption(kForm, kConfirm, 62, 202, "通常投票"), 0u);
        pressSubmit(false);
        const Hwnd text = boxText(kInfoBox, 221, 62, "合計金額が誤りです。");
        ASSERT_NE(text, 0u);
        const Hwnd box = findWindow(kBox, kInfoBox);
        EXPECT_EQ(getParent(text), box);
        EXPECT_EQ(getParent(box), confirm) << "a pop-up's parent is its owner";
        ASSERT_TRUE(clickAnywhere(kBox, kInfoBox, "OK"));
        plat::sleep(200);
        ASSERT_TRUE(clickAnywhere(kForm, kConfirm, "戻る"));
        ASSERT_TRUE(waitGone(kForm, kConfirm));
        EXPECT_TRUE(isWindowEnabled(vote)) << "the confirmation has gone";
    });
}

TEST_F(StrictClientTest, TransfersTakeTheirSeededTime) {
    std::set<std::uint32_t> durations;
    for (const std::uint64_t seed : {1u, 2u, 3u}) {
        betclient::ClientTiming timing({.ideal = false, .seed = seed});
        durations.insert(timing.transferMs());
    }
    EXPECT_EQ(durations.size(), 3u);
    install();
    act([&] {
        logIn();
        ASSERT_TRUE(click(kForm, kLogin, 99, 127, "取得する"));
        const Hwnd ok = waitByCaption(kForm, kComm, 132, 115, "ＯＫ");
        ASSERT_NE(ok, 0u);
        ASSERT_TRUE(click(kForm, kComm, 132, 115, "ＯＫ"));
        const std::uint32_t start = tickCount();
        ASSERT_TRUE(waitGone(kForm, kComm, 60'000));
        EXPECT_GE(tickCount() - start, 800u);
        EXPECT_LE(tickCount() - start, 4500u);
    });
}

}  // namespace
}  // namespace clienttest
