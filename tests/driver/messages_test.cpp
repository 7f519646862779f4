// The driver's own message and the client's message boxes.
#include "base/message_box_notifier.h"
#include "base/strings.h"
#include "driver/client_box.h"
#include "driver/driver_message.h"
#include "form_desktop.h"
#include "platform/clock.h"
#include "platform/dialog.h"

namespace drivertest {
namespace {

using namespace driver;
using plat::Hwnd;

// Notes which window was in the foreground when a box came up.
class ForegroundUser : public sim::ScriptedUser {
public:
    void onModal(sim::Desktop& desktop, const sim::ModalInfo& info) override {
        foregroundAtBox = plat::getForegroundWindow();
        ScriptedUser::onModal(desktop, info);
    }
    Hwnd foregroundAtBox = 0;
};

class DriverMessageTest : public FormDesktopTest {
protected:
    DriverMessageTest() { desktop.setUser(&watcher); }
    ForegroundUser watcher;
};

TEST_F(DriverMessageTest, PausesThenBringsTheMainWindowForwardAndShowsTheTableText) {
    const Hwnd vote = form("投票", {0, 0, 638, 430});
    onClient([&] { plat::setForegroundWindow(vote); });
    Hwnd main = 0;
    int answer = 0;
    const std::int64_t start = desktop.virtualMs();
    asOrnel([&] {
        plat::CreateParams p;
        p.className = "Static";
        p.caption = "Ornel";
        p.style = kFormStyle;
        p.rect = {0, 0, 300, 200};
        main = plat::createWindow(p);
        base::MessageBoxNotifier notifier;
        notifier.setOwner(main);
        answer = ShowDriverMessage(notifier, main, base::kMsgClientFailed);
    });
    EXPECT_EQ(answer, plat::IDOK);
    EXPECT_EQ(watcher.foregroundAtBox, main);
    ASSERT_EQ(watcher.seen().size(), 1u);
    const sim::ModalInfo& box = watcher.seen()[0].info;
    EXPECT_EQ(box.helpId, static_cast<plat::Uint>(base::kMsgClientFailed));
    EXPECT_EQ(box.text, "Ｐａｔ９５が正常に操作できません。\rベット内容をご確認ください。");
    EXPECT_EQ(box.type & plat::MB_TYPEMASK, plat::MB_OK);
    EXPECT_EQ(watcher.seen()[0].timeMs, start + 500);
}

using ClientBoxTest = FormDesktopTest;

// The client's same-bracket note, found by its text and answered with OK at
// the positions the vote form's boxes use.
TEST_F(ClientBoxTest, AClientBoxIsKnownByItsTextAndAnsweredByItsButton) {
    user.ignoreProgram(kClient);
    const Hwnd vote = form("投票", {0, 0, 638, 430});
    int answer = 0;
    onClientAfter(300, [&] { answer = plat::messageBox(vote, "同枠取消があります。", "ﾒｯｾｰｼﾞ", plat::MB_OK | plat::MB_ICONASTERISK); });
    Hwnd text = 0, pressed = 0, wrong = 1;
    asOrnel([&] {
        wrong = WaitClientBoxText(driver, {kClientErrorBox, {139, 56}, "同枠取消"}, 0);
        text = WaitClientBoxText(driver, {kClientInfoBox, {139, 56}, "同枠取消があります。"}, 1000);
        pressed = AnswerClientBox(driver, {kClientInfoBox, {111, 104}, "OK"});
        plat::sleep(100);
    });
    EXPECT_EQ(wrong, 0u) << "an error box is another box";
    EXPECT_NE(text, 0u);
    EXPECT_NE(pressed, 0u);
    EXPECT_EQ(answer, plat::IDOK);
    EXPECT_EQ(plat::findWindow("#32770", "ﾒｯｾｰｼﾞ"), 0u);
}

}  // namespace
}  // namespace drivertest
