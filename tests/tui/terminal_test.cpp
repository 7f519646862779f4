// Ornel in a real terminal: `ornel run` in a tmux pane, driven with keys and
// read from the screen, as a person meets it.
#include <gtest/gtest.h>

#include "support/support.h"
#include "tmux_terminal.h"

namespace tuitest {
namespace {

using testsupport::u8;

// A race day in the reception hours; the clock runs fast enough for a
// connection (about 23 s) and a run (about 15 s) to take under a second
// each, and slow enough to see the run under way.
std::string ornelRun(const std::string& home, int speed = 30) {
    return std::string(ORNEL_COMMAND) + " run --home " + quoted(home) + " --now '2024-05-01 10:00' --speed " +
           std::to_string(speed);
}

class TerminalTest : public ::testing::Test {
protected:
    void start(int width = 120, int height = 40) {
        terminal_ = std::make_unique<TmuxTerminal>(width, height);
        ASSERT_TRUE(terminal_->start(ornelRun(home_.path() + "demo"))) << "tmux is needed (test.sh installs it)";
        // The start-up caution comes first; はい is its default button.
        ASSERT_TRUE(terminal_->waitFor(u8("ご利用上のお願い"))) << terminal_->screenText();
        terminal_->keys({"Enter"});
        ASSERT_TRUE(terminal_->waitFor("AUTO")) << terminal_->screenText();
    }
    TmuxTerminal& terminal() { return *terminal_; }
    std::string shown() { return terminal_->screenText(); }

    testsupport::TempDir home_;
    std::unique_ptr<TmuxTerminal> terminal_;
};

TEST_F(TerminalTest, TypedBetsArePlacedInTheClientWhileThePersonWatches) {
    start();
    const std::vector<std::string> rows = terminal().screen();
    EXPECT_EQ(rows[0].rfind(" Ornel", 0), 0u) << shown();
    for (const char* caption : {"投票", "ﾏ-ｼﾞ", "？", "読込", "ｸﾘｱ", "AUTO"})
        EXPECT_NE(shown().find(u8(caption)), std::string::npos) << u8(caption);
    EXPECT_NE(rows.back().find("2024-05-01 10:0"), std::string::npos) << "the virtual clock";
    EXPECT_NE(rows.back().find("MANU"), std::string::npos);

    // Typed and checked with Enter: the canonical line and the totals.
    terminal().text(u8("東京 5r 馬連 3-5 1000"));
    terminal().keys({"Enter"});
    ASSERT_TRUE(terminal().waitFor(u8("001: 東京  5R 馬連 03-05     1000"))) << shown();
    EXPECT_TRUE(terminal().waitFor(u8("ベット計     1000/   1 Bet"))) << shown();

    // 投票 (the next control after the list): STOP while the run goes on,
    // and the client's vote form set to the bet's racecourse and race.
    terminal().keys({"Tab", "Enter"});
    EXPECT_TRUE(terminal().waitFor("STOP")) << shown();
    EXPECT_TRUE(terminal().waitFor("running  bet 1 of 1  group 1 of 1")) << shown();
    EXPECT_TRUE(terminal().waitUntil([](const std::vector<std::string>& screen) {
        std::string all;
        for (const std::string& row : screen) all += row;
        return all.find(u8("場名: [東京v]")) != std::string::npos && all.find(u8("ﾚｰｽ番号: [  ５v]")) != std::string::npos;
    })) << shown();

    // The run ends: 投票 again, the list empty, the vote counted.
    ASSERT_TRUE(terminal().waitFor(u8("投票合計     1000/   1 Bet"))) << shown();
    EXPECT_TRUE(terminal().waitGone("STOP")) << shown();
    EXPECT_TRUE(terminal().waitGone(u8("001: 東京"))) << shown();
    EXPECT_TRUE(terminal().waitFor("idle")) << shown();
}

TEST_F(TerminalTest, AQuestionIsAnsweredFromTheKeyboardAndAResizeKeepsTheLayoutWhole) {
    start();
    // Over both amount limits (5000 yen): two questions before any run.
    terminal().paste(u8("東京 5r 単勝 3 6000\n"));
    ASSERT_TRUE(terminal().waitFor(u8("001: 東京  5R 単勝    03     6000"))) << shown();
    terminal().keys({"Tab", "Enter"});
    ASSERT_TRUE(terminal().waitFor(u8("レース単位賭金限度額を越えています。"))) << shown();
    terminal().keys({"n"});  // いいえ(N)
    ASSERT_TRUE(terminal().waitFor(u8("投票単位賭金限度額を超えています。"))) << shown();
    terminal().keys({"Tab", "Enter"});  // to いいえ, and press it
    ASSERT_TRUE(terminal().waitGone(u8("賭金限度額"))) << shown();
    EXPECT_NE(shown().find(u8("001: 東京  5R 単勝")), std::string::npos) << "no run: the list stays";
    EXPECT_EQ(shown().find("STOP"), std::string::npos);

    // Smaller, then larger again: the window whole from its caption bar to
    // its bottom edge just above the status line (its list lengthened or
    // shortened), its buttons and its list's text in place.
    for (const auto& [width, height] : {std::pair{80, 24}, std::pair{132, 43}}) {
        terminal().resize(width, height);
        EXPECT_TRUE(terminal().waitUntil([&](const std::vector<std::string>& screen) {
            std::string all;
            for (const std::string& row : screen) all += row + "\n";
            return static_cast<int>(screen.size()) == height && screen.front().rfind(" Ornel", 0) == 0 &&
                   screen.back().find("MANU") != std::string::npos &&
                   screen[static_cast<std::size_t>(height - 2)].rfind(u8("└"), 0) == 0 &&
                   all.find(u8("読込 ｸﾘｱ  AUTO")) != std::string::npos &&
                   all.find(u8("001: 東京  5R 単勝")) != std::string::npos;
        })) << width << "x" << height << "\n" << shown();
    }

    // The context menu, and away again.
    terminal().keys({"F2"});
    ASSERT_TRUE(terminal().waitFor(u8("ＰＡＴの起動..."))) << shown();
    terminal().keys({"Escape"});
    ASSERT_TRUE(terminal().waitGone(u8("ＰＡＴの起動..."))) << shown();

    // Ctrl+Q: the window's close request, through the exit confirmation.
    terminal().keys({"C-q"});
    ASSERT_TRUE(terminal().waitUntil([](const std::vector<std::string>& screen) {
        for (const std::string& row : screen)
            if (row.find("exited 0") != std::string::npos || row.find(u8("終了確認")) != std::string::npos) return true;
        return false;
    })) << shown();
    if (shown().find(u8("終了確認")) != std::string::npos) terminal().keys({"Enter"});  // OK
    EXPECT_TRUE(terminal().waitFor("exited 0")) << shown();
}

}  // namespace
}  // namespace tuitest
