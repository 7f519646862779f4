#include "bet_list_window_fixture.h"

#include <filesystem>

#include "betdata/bet_file_load.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"
#include "support/support.h"

namespace listwindow_test {

void retype(plat::Hwnd dialog, int id, const std::string& text) { sim::typeIntoField(dialog, id, text); }

BetListWindowTest::BetListWindowTest()
    : desk_([this] {
          testsupport::useJapanTime();
          return simhome::DesktopOptions{dir_.path(), kRaceDay};
      }()),
      desktop_(desk_.desktop()),
      user_(desk_.user()) {
    std::filesystem::create_directories(betDir());
    settings_.betFileDir = betDir();
    profile_ = std::make_unique<base::FileProfileStore>(dir_.file("ornel.ini"));
    terms_.betsRemaining = base::kBetsPerDay;
    terms_.termsYear = 1998;
    terms_.termsMonth = 12;
    terms_.termsDay = 5;
    run_.programClock = kRaceDay;
    betFile_.path = betDir() + "98120501.Bet";
    model_ = std::make_unique<ui::MainWindowModel>(ui::MainWindowModel{
        settings_, *profile_, notifier_, terms_, voteLog_, betList_, betFile_, run_, &connector_});
}

BetListWindowTest::~BetListWindowTest() {
    if (main_ != 0) {
        desktop_.act(0, [this] { plat::postMessage(main_, plat::WM_CLOSE, 0, 0); });
        desktop_.run();
    }
}

void BetListWindowTest::start() {
    window_ = std::make_unique<ui::BetListWindow>(*model_);
    desk_.startOrnel([this] { window_->doModal(0); });
    desktop_.run();
    main_ = plat::findWindow("#32770", ui::kMainCaption);
    ASSERT_NE(0u, main_);
    notifier_.setOwner(main_);
    list_ = plat::getDlgItem(main_, ui::kIdBetList);
    status_ = plat::getDlgItem(main_, ui::kIdStatusBox);
    staging_ = plat::getDlgItem(main_, ui::kIdStaging);
}

void BetListWindowTest::asUser(const std::function<void()>& fn) {
    ASSERT_TRUE(desktop_.call("user", fn, 600'000));
    desktop_.run();
}

void BetListWindowTest::typeLine(const std::string& text) {
    asUser([&] {
        for (char c : text) plat::sendMessage(list_, plat::WM_CHAR, static_cast<unsigned char>(c), 0);
        plat::sendMessage(list_, plat::WM_CHAR, 13, 0);
    });
}

void BetListWindowTest::pasteIntoList(const std::string& clipboard) {
    asUser([&] {
        plat::setClipboardText(clipboard);
        plat::sendMessage(list_, plat::WM_PASTE, 0, 0);
    });
}

void BetListWindowTest::press(int buttonId) {
    asUser([&] { plat::sendMessage(main_, plat::WM_COMMAND, plat::makeWparam(buttonId, plat::BN_CLICKED), 0); });
}

std::string BetListWindowTest::listText() const { return plat::getWindowText(list_, 65536); }
std::string BetListWindowTest::statusText() const { return plat::getWindowText(status_, 4096); }

std::string BetListWindowTest::logText() const {
    return testsupport::readBytes(betDir() + "BT981205.LOG");
}

std::vector<sim::ModalInfo> BetListWindowTest::modalsShown() const {
    std::vector<sim::ModalInfo> shown;
    for (const auto& seen : user_.seenFrom(simhome::kOrnelProgram))
        if (seen.info.window != main_) shown.push_back(seen.info);
    return shown;
}

std::vector<std::string> BetListWindowTest::boxesShown() const {
    std::vector<std::string> texts;
    for (const auto& info : modalsShown())
        if (info.isMessageBox) texts.push_back(info.text);
    return texts;
}

bool BetListWindowTest::loadBetFileDirectly(const std::string& path) {
    bool loaded = false;
    if (!desktop_.call(simhome::kOrnelProgram, [&] { loaded = betdata::LoadBetFile(window_->betData(), path); })) {
        ADD_FAILURE() << "the program's thread did not run LoadBetFile";
        return false;
    }
    desktop_.run();
    return loaded;
}

}  // namespace listwindow_test
