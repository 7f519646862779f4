// Closing the main window — the caution declined, the exit confirmation and
// its three answers, "Frame Pos" kept only for a window in its normal state,
// the dialing prefix put back on every way out — and the window's frame:
// the width lock and the BetList following the bottom edge; the help
// viewer opened by ？ and told to quit with the window.
#include <optional>

#include "app/exit_confirmation.h"
#include "app/startup_caution.h"
#include "base/frame_pos.h"
#include "driver/modem_setting.h"
#include "main_window_fixture.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "platform/window_frame.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"

namespace mainwindow_test {
namespace {

using testsupport::u8;

constexpr const char* kFramePos = "44, 0, 1, -1, -1, -1, -1, 100, 50, 480, 560 ";

std::string framePosLine(const std::string& profile) {
    const std::size_t at = profile.find("Frame Pos=");
    if (at == std::string::npos) return "<none>";
    return profile.substr(at, profile.find("\r\n", at) - at);
}

plat::Rect rectOf(plat::Hwnd window) {
    plat::Rect r;
    plat::getWindowRect(window, r);
    return r;
}

class CloseAndFrame : public MainWindowTest {
protected:
    void answerDialog(const char* caption, int button) {
        user.onDialog(caption, [button](sim::Desktop&, const sim::ModalInfo& info) {
            sim::pressButton(info.window, button);
        });
    }
    bool seenDialog(const char* caption) const {
        for (const auto& s : user.seenFrom(simhome::kOrnelProgram))
            if (s.info.caption == caption) return true;
        return false;
    }
    std::size_t helpRequests(plat::Uint command) const {
        std::size_t count = 0;
        for (const auto& e : desktop.trace())
            count += e.kind == sim::TraceEvent::Kind::Help && e.value == static_cast<std::int64_t>(command);
        return count;
    }
};

TEST_F(CloseAndFrame, DecliningTheCautionClosesWithoutTheConfirmationOrFramePos) {
    writeProfile({});
    answerDialog(app::kCautionCaption, plat::IDCANCEL);
    run_ = std::make_unique<simhome::ProgramRun>(desk);
    EXPECT_FALSE(run_->start());
    EXPECT_TRUE(run_->ended());
    EXPECT_FALSE(seenDialog(app::kExitCaption));
    EXPECT_EQ(framePosLine(profileText()), "<none>");
}

TEST_F(CloseAndFrame, CancelKeepsTheWindowAndOkStoresItsPlacement) {
    writeProfile({"Frame Pos=" + std::string(kFramePos)});
    start();
    EXPECT_EQ(rectOf(main()), (plat::Rect{100, 50, 480, 560})) << "the stored placement is applied";
    ASSERT_TRUE(run().asUser([w = main()] { plat::moveWindow(w, {120, 60, 500, 570}, true); }));

    answerDialog(app::kExitCaption, plat::IDCANCEL);
    ASSERT_TRUE(run().close());
    EXPECT_FALSE(run().ended());
    EXPECT_EQ(framePosLine(profileText()), "Frame Pos=" + std::string(kFramePos)) << "nothing saved";

    answerDialog(app::kExitCaption, plat::IDOK);
    ASSERT_TRUE(run().close());
    EXPECT_TRUE(run().ended());
    EXPECT_EQ(framePosLine(profileText()), "Frame Pos=44, 0, 1, -1, -1, -1, -1, 120, 60, 500, 570 ");
}

class FrameKept : public CloseAndFrame, public ::testing::WithParamInterface<int> {};

TEST_P(FrameKept, AMinimizedOrMaximizedWindowKeepsThePlacementStoredBefore) {
    writeProfile({"Frame Pos=" + std::string(kFramePos)});
    start();
    ASSERT_TRUE(run().asUser([w = main()] { plat::showWindow(w, GetParam()); }));
    ASSERT_TRUE(run().close());
    EXPECT_TRUE(run().ended());
    EXPECT_TRUE(seenDialog(app::kExitCaption));
    EXPECT_EQ(framePosLine(profileText()), "Frame Pos=" + std::string(kFramePos));
}

INSTANTIATE_TEST_SUITE_P(States, FrameKept, ::testing::Values(plat::SW_MINIMIZE, plat::SW_SHOWMAXIMIZED));

// PATも終了 closes the client, then the window; during a run the client is
// the BetRunner's: the answer only beeps and the window stays.
TEST_F(CloseAndFrame, QuittingTheClientTooWaitsForNoRun) {
    installClient();
    start();
    ASSERT_FALSE(desk.clientForms().empty());
    answerDialog(app::kExitCaption, app::kIdQuitClientToo);

    ASSERT_TRUE(run().enterIntoList(kText));
    const plat::Hwnd window = main();
    ASSERT_TRUE(desktop.call("user", [window] { sim::pressButton(window, ui::kIdBet); }));
    ASSERT_TRUE(desktop.runUntil([&] { return program().betList.listCount.load() == 1; }, 600'000));
    const std::size_t beepsBefore = beeps().size();
    ASSERT_TRUE(desktop.call("user", [window] { plat::postMessage(window, plat::WM_CLOSE, 0, 0); }));
    ASSERT_TRUE(desktop.runUntil([&] { return program().runControl.runState.load() == base::kRunIdle; }, 3'600'000));
    EXPECT_FALSE(run().ended());
    ASSERT_GT(beeps().size(), beepsBefore);
    EXPECT_EQ(beeps()[beepsBefore], plat::MB_ICONASTERISK);
    EXPECT_EQ(run().controlText(ui::kIdBetList), "") << "the run went on to its end";

    ASSERT_TRUE(run().close());
    EXPECT_TRUE(run().ended());
    EXPECT_TRUE(desk.clientForms().empty()) << "the client was closed";
}

TEST_F(CloseAndFrame, TheWidthStaysLockedAndTheListFollowsTheBottomEdge) {
    writeProfile({});
    start();
    ui::MainWindow& window = *program().window();
    const plat::Rect frame = rectOf(main());
    const plat::Rect list = rectOf(run().control(ui::kIdBetList));
    const plat::Rect status = rectOf(run().control(ui::kIdStatusBox));
    const plat::Rect bet = rectOf(run().control(ui::kIdBet));
    EXPECT_EQ(window.widthLock(), frame.width() + 1);
    EXPECT_EQ(window.listBottomGap(), frame.bottom - list.bottom);

    for (const int dh : {80, -120}) {
        const plat::Rect wanted{frame.left, frame.top, frame.right + 50, frame.bottom + dh};
        ASSERT_TRUE(run().asUser([w = main(), wanted] { sim::dragWindowFrame(w, wanted); }));
        const plat::Rect now = rectOf(main());
        EXPECT_EQ(now.width(), window.widthLock());
        EXPECT_EQ(now.bottom, frame.bottom + dh);
        const plat::Rect listNow = rectOf(run().control(ui::kIdBetList));
        EXPECT_EQ(listNow.left, list.left);
        EXPECT_EQ(listNow.top, list.top);
        EXPECT_EQ(listNow.right, list.right);
        EXPECT_EQ(listNow.bottom, now.bottom - window.listBottomGap());
        EXPECT_EQ(rectOf(run().control(ui::kIdStatusBox)), status);
        EXPECT_EQ(rectOf(run().control(ui::kIdBet)), bet);
    }
}

TEST_F(CloseAndFrame, HelpOpensTheHelpFileAndQuitsWithTheWindow) {
    writeProfile({});
    start();
    ASSERT_TRUE(run().click(ui::kIdHelp));
    EXPECT_EQ(helpRequests(plat::HELP_FINDER), 1u);
    EXPECT_EQ(helpRequests(plat::HELP_QUIT), 0u);
    for (const auto& e : desktop.trace()) {
        if (e.kind == sim::TraceEvent::Kind::Help) {
            EXPECT_EQ(e.text, desk.directory() + "Ornel.HLP");
        }
    }
    ASSERT_TRUE(run().close());
    EXPECT_TRUE(run().ended());
    EXPECT_EQ(helpRequests(plat::HELP_QUIT), 1u);
}

// ---- the dialing prefix on every way out ----

enum class WayOut { Close, AutoExit, AutoExitWithPowerOff };

class DialingPrefixOnTheWayOut : public CloseAndFrame, public ::testing::WithParamInterface<WayOut> {
protected:
    std::string prefix() {
        std::string value = "<none>";
        desktop.call("installer", [&] {
            std::vector<std::uint8_t> data;
            plat::Dword type = 0;
            if (plat::regRead(driver::kDialingRoot, driver::kDialingKey, driver::kLongDistanceValue, data, type))
                value.assign(data.begin(), data.end());
        });
        return value.substr(0, value.find('\0'));
    }
};

TEST_P(DialingPrefixOnTheWayOut, ThePrefixFromBeforeStartUpIsBack) {
    std::vector<std::string> define;
    if (GetParam() == WayOut::AutoExit) define = {"Auto Mode=1", "Auto Exit Time=1001"};
    if (GetParam() == WayOut::AutoExitWithPowerOff) define = {"Auto Mode=1", "Auto Exit Time=11001"};
    installClient(define, {"Modem Name 1=モデムＡ", "Modem Number 1=0077", "Line Define Use 1=1"});
    ASSERT_TRUE(desktop.call("installer", [] {
        const std::vector<std::uint8_t> old = {'0', '0', '8', '8', 0};
        plat::regCreateKey(driver::kDialingRoot, driver::kDialingKey);
        plat::regWrite(driver::kDialingRoot, driver::kDialingKey, driver::kLongDistanceValue, plat::REG_SZ, old);
    }));
    start();
    EXPECT_EQ(prefix(), "0077") << "the configuration in use sets its prefix";

    if (GetParam() == WayOut::Close) {
        ASSERT_TRUE(run().close());
    }
    ASSERT_TRUE(desktop.runUntil([&] { return run().ended(); }, 600'000));
    EXPECT_EQ(prefix(), "0088");
    bool poweredOff = false;
    for (const auto& e : desktop.trace()) poweredOff = poweredOff || e.kind == sim::TraceEvent::Kind::PowerOff;
    EXPECT_EQ(poweredOff, GetParam() == WayOut::AutoExitWithPowerOff);
    EXPECT_EQ(seenDialog(app::kExitCaption), GetParam() == WayOut::Close);
}

INSTANTIATE_TEST_SUITE_P(Ways, DialingPrefixOnTheWayOut,
                         ::testing::Values(WayOut::Close, WayOut::AutoExit, WayOut::AutoExitWithPowerOff));

}  // namespace
}  // namespace mainwindow_test
