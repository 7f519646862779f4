// Forms that open late, minimized or disabled on request, and the exit.
#include "client_fixture.h"
#include "platform/clock.h"

namespace clienttest {
namespace {

using namespace hand;
using namespace plat;

using FormsTest = ClientTest;

TEST_F(FormsTest, SlowFormsAppearAfterTheDelay) {
    install({"slow-open=3000"});
    act([&] {
        const std::uint32_t start = tickCount();
        startClient();
        EXPECT_GE(tickCount() - start, 3000u);
        typeCredentials(kUser, kPassword);
        ASSERT_NE(waitByCaption(kForm, kLogin, 249, 127, "取得しない"), 0u);
        const std::uint32_t asked = tickCount();
        ASSERT_TRUE(click(kForm, kLogin, 249, 127, "取得しない"));
        EXPECT_EQ(waitTop(kForm, kVenues, 2000), 0u) << "not yet";
        ASSERT_NE(waitTop(kForm, kVenues, 2000), 0u);
        EXPECT_GE(tickCount() - asked, 3000u);
        EXPECT_NE(findWindow(kForm, kMenu), 0u);
    });
}

TEST_F(FormsTest, AMinimizedFormRestoresToItsSizeAndADisabledOneStaysShut) {
    install({"minimized=vote", "disabled=info"});
    act([&] {
        logIn();
        skipTerms();
        ASSERT_TRUE(click(kForm, kVenues, 635, 346, "東京"));
        const Hwnd vote = waitTop(kForm, kVote);
        ASSERT_NE(vote, 0u);
        EXPECT_TRUE(isIconic(vote));
        postMessage(vote, WM_SYSCOMMAND, SC_RESTORE, 0);
        plat::sleep(500);
        EXPECT_FALSE(isIconic(vote));
        calibrateVote();
        EXPECT_DOUBLE_EQ(factors().x, 1.0);
        EXPECT_DOUBLE_EQ(factors().y, 1.0);
        enterBet("東京", 1, "単勝", {1}, 100);
        EXPECT_NE(findByCaption(kForm, kVote, 300, 300, "01 "), 0u);

        calibrate(kForm, kMenu, 711, 87);
        ASSERT_TRUE(click(kForm, kMenu, 155, 69, "パドック"));
        const Hwnd info = waitTop(kForm, kInfo);
        ASSERT_NE(info, 0u);
        EXPECT_FALSE(isWindowEnabled(info));
        calibrate(kForm, kInfo, 758, 412);
        ASSERT_TRUE(click(kForm, kInfo, 341, 94, "情報取得"));
        EXPECT_EQ(findAt(kForm, kInfo, 104, 160), 0u) << "a disabled form takes no command";
    });
}

TEST_F(FormsTest, EndingFromTheMenuClosesEverything) {
    install();
    act([&] {
        logIn();
        fetchTerms();
        calibrate(kForm, kMenu, 711, 87);
        ASSERT_TRUE(click(kForm, kMenu, 655, 69, "終　了"));
        ASSERT_NE(waitByCaption(kBox, kInfoBox, 109, 104, "はい(&Y)"), 0u);
        ASSERT_TRUE(answerBox(kInfoBox, 109, 104, "はい(&Y)"));
        EXPECT_TRUE(waitGone("ThunderRTMain", kLogin));
        EXPECT_EQ(findWindow(kForm, nullptr), 0u);
        EXPECT_EQ(findWindow(kBox, nullptr), 0u);
    });
    // And it starts again, with the day it had.
    act([&] {
        logIn();
        skipTerms();
    });
}

TEST_F(FormsTest, ClosingTheMenuAsksFirstAndNoKeepsTheClientRunning) {
    install();
    act([&] {
        logIn();
        skipTerms();
        postMessage(findWindow(kForm, kMenu), WM_SYSCOMMAND, SC_CLOSE, 0);
        calibrate(kForm, kMenu, 711, 87);
        ASSERT_NE(waitByCaption(kBox, kInfoBox, 109, 104, "はい(&Y)"), 0u);
        ASSERT_TRUE(clickAnywhere(kBox, kInfoBox, "いいえ"));
        ASSERT_TRUE(waitGone(kBox, kInfoBox));
        EXPECT_NE(findWindow(kForm, kMenu), 0u);
    });
}

}  // namespace
}  // namespace clienttest
