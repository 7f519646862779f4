// The start-up caution and the exit confirmation: what each answer means to
// the main window.
#include "app/exit_confirmation.h"
#include "app/startup_caution.h"
#include "support/dialog_desktop.h"

namespace app_test {
namespace {

using testsupport::u8;

class StartupExitDialogsTest : public testsupport::DialogDesktopTest {
protected:
    base::RunControl run_;
};

TEST_F(StartupExitDialogsTest, CautionAcceptedLetsTheStartUpGoOn) {
    bool accepted = false;
    onProgram([&](plat::Hwnd main) { accepted = app::ShowCaution(main, run_); });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(0, run_.closeWithoutAsking.load());
    EXPECT_TRUE(postedToMain().empty());
    ASSERT_EQ(1u, user_.seen().size());
    const sim::ModalInfo& shown = user_.seen()[0].info;
    EXPECT_EQ(u8("Ornel ご利用上のお願い"), u8(shown.caption));
    EXPECT_NE(std::string::npos, shown.text.find(app::kCautionText));
    ASSERT_EQ(2u, shown.buttons.size());
    EXPECT_EQ(std::make_pair(plat::IDOK, std::string("はい")), shown.buttons[0]);
    EXPECT_EQ(std::make_pair(plat::IDCANCEL, std::string("いいえ")), shown.buttons[1]);
}

TEST_F(StartupExitDialogsTest, CautionDeclinedOrClosedAsksTheWindowToCloseWithoutTheConfirmation) {
    bool closeBox = false;
    user_.onDialog(app::kCautionCaption, [&closeBox](sim::Desktop&, const sim::ModalInfo& info) {
        if (closeBox) {
            plat::postMessage(info.window, plat::WM_CLOSE, 0, 0);
        } else {
            testsupport::Press(info.window, plat::IDCANCEL);
        }
    });
    for (const bool viaCloseBox : {false, true}) {
        SCOPED_TRACE(viaCloseBox ? "closed" : "いいえ");
        closeBox = viaCloseBox;
        run_.closeWithoutAsking = 0;
        bool accepted = true;
        onProgram([&](plat::Hwnd main) { accepted = app::ShowCaution(main, run_); });
        EXPECT_FALSE(accepted);
        EXPECT_EQ(1, run_.closeWithoutAsking.load());
        // Posted, not sent: the window's start-up finishes before it closes.
        EXPECT_EQ(std::vector<plat::Uint>{plat::WM_CLOSE}, postedToMain());
    }
}

TEST_F(StartupExitDialogsTest, ExitConfirmationTellsWhatEachButtonMeans) {
    struct Case {
        int button;
        app::ExitChoice choice;
    };
    const Case cases[] = {
        {plat::IDOK, app::ExitChoice::Close},
        {app::kIdQuitClientToo, app::ExitChoice::CloseAndQuitClient},
        {plat::IDCANCEL, app::ExitChoice::Stay},
        {0, app::ExitChoice::Stay},  // the dialog's own close box
    };
    int button = 0;
    user_.onDialog(app::kExitCaption, [&button](sim::Desktop&, const sim::ModalInfo& info) {
        if (button == 0) {
            plat::postMessage(info.window, plat::WM_CLOSE, 0, 0);
        } else {
            testsupport::Press(info.window, button);
        }
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        button = c.button;
        app::ExitChoice choice{};
        onProgram([&](plat::Hwnd main) { choice = app::ConfirmExit(main); });
        EXPECT_EQ(c.choice, choice);
        EXPECT_TRUE(postedToMain().empty());
    }
    const sim::ModalInfo& shown = user_.seen().back().info;
    EXPECT_EQ(u8("Ornel を終了してもよろしいですか？"), u8(shown.text));
    ASSERT_EQ(3u, shown.buttons.size());
    EXPECT_EQ(std::make_pair(plat::IDOK, std::string("OK")), shown.buttons[0]);
    EXPECT_EQ(std::make_pair(plat::IDCANCEL, std::string("ｷｬﾝｾﾙ")), shown.buttons[1]);
    EXPECT_EQ(std::make_pair(1053, std::string("PATも終了")), shown.buttons[2]);
}

TEST_F(StartupExitDialogsTest, BothDialogsAreModalOverTheMainWindow) {
    bool mainEnabledDuringCaution = true, mainEnabledDuringExit = true;
    plat::Hwnd main = 0;
    user_.onDialog(app::kCautionCaption, [&](sim::Desktop&, const sim::ModalInfo& info) {
        mainEnabledDuringCaution = plat::isWindowEnabled(main);
        testsupport::Press(info.window, plat::IDOK);
    });
    user_.onDialog(app::kExitCaption, [&](sim::Desktop&, const sim::ModalInfo& info) {
        mainEnabledDuringExit = plat::isWindowEnabled(main);
        testsupport::Press(info.window, plat::IDOK);
    });
    onProgram([&](plat::Hwnd window) {
        main = window;
        app::ShowCaution(window, run_);
        app::ConfirmExit(window);
        EXPECT_TRUE(plat::isWindowEnabled(window));
    });
    EXPECT_FALSE(mainEnabledDuringCaution);
    EXPECT_FALSE(mainEnabledDuringExit);
}

}  // namespace
}  // namespace app_test
