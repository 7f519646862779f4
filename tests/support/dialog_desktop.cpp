#include "support/dialog_desktop.h"

#include "platform/clock.h"

namespace testsupport {

namespace {
// Monday 7 December 1998, 10:00 (Asia/Tokyo).
constexpr std::int64_t kStartTime = 912992400;
constexpr std::int64_t kStepMs = 500;  // time the program gets between the user's steps
}  // namespace

DialogDesktopTest::DialogDesktopTest()
    : desktop_(sim::Desktop::Options{.directory = dir_.path(), .startTime = kStartTime}),
      profile_(dir_.file("ORNEL.INI")) {
    useJapanTime();
    desktop_.setUser(&user_);
}

void DialogDesktopTest::onProgram(const std::function<void(plat::Hwnd)>& fn) {
    posted_.clear();
    const bool returned = desktop_.call("ornel", [&] {
        plat::CreateParams params;
        params.className = "Static";
        params.caption = "Ornel";
        params.style = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_VISIBLE;
        params.rect = {100, 100, 400, 500};
        const plat::Hwnd main = plat::createWindow(params);
        fn(main);
        plat::Msg msg;
        while (plat::peekMessage(msg, true)) {
            if (msg.hwnd == main) posted_.push_back(msg.message);
        }
        plat::destroyWindow(main);
    });
    ASSERT_TRUE(returned) << "the program is still waiting in a dialog";
}

std::vector<std::string> DialogDesktopTest::captionsSeen() const {
    std::vector<std::string> captions;
    for (const auto& seen : user_.seen()) captions.push_back(u8(seen.info.caption));
    return captions;
}

std::vector<std::string> DialogDesktopTest::boxTextsSeen() const {
    std::vector<std::string> texts;
    for (const auto& seen : user_.seen()) {
        if (seen.info.isMessageBox) texts.push_back(u8(seen.info.text));
    }
    return texts;
}

std::vector<std::string> DialogDesktopTest::soundsPlayed() const {
    std::vector<std::string> paths;
    for (const sim::TraceEvent& event : desktop_.trace()) {
        if (event.kind == sim::TraceEvent::Kind::Sound && !event.text.empty()) paths.push_back(event.text);
    }
    return paths;
}

void Retype(plat::Hwnd dialog, int id, const std::string& text) {
    sim::typeIntoField(dialog, id, text);
    plat::sleep(kStepMs);
}

void Press(plat::Hwnd dialog, int id) {
    sim::pressButton(dialog, id);
    plat::sleep(kStepMs);
}

std::string FieldText(plat::Hwnd dialog, int id) {
    return plat::getWindowText(plat::getDlgItem(dialog, id), 1024);
}

bool IsChecked(plat::Hwnd dialog, int id) {
    return plat::sendMessage(plat::getDlgItem(dialog, id), plat::BM_GETCHECK, 0, 0) ==
           static_cast<plat::Lresult>(plat::BST_CHECKED);
}

bool IsEnabled(plat::Hwnd dialog, int id) { return plat::isWindowEnabled(plat::getDlgItem(dialog, id)); }

int FocusedId() { return plat::getDlgCtrlId(plat::getFocus()); }

}  // namespace testsupport
