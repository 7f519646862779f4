// The options, auto-exit and about dialogs: what they show, what OK keeps
// and writes, what the range checks refuse and in which order.
#include <functional>
#include <map>

#include "app/auto_exit_dialog.h"
#include "app/options_dialog.h"
#include "app/version_dialog.h"
#include "base/settings_keys.h"
#include "driver/driver_state.h"
#include "platform/clock.h"
#include "support/dialog_desktop.h"

namespace app_test {
namespace {

using testsupport::FieldText;
using testsupport::FocusedId;
using testsupport::IsChecked;
using testsupport::Press;
using testsupport::Retype;
using testsupport::u8;

namespace keys = base::keys;

class SettingsDialogsTest : public testsupport::DialogDesktopTest {
protected:
    // The user's steps in the dialog whose caption starts with caption.
    void inDialog(const char* caption, std::function<void(plat::Hwnd)> steps) {
        user_.onDialog(caption, [steps](sim::Desktop&, const sim::ModalInfo& info) { steps(info.window); });
    }
    std::string stored(const char* key) { return profile_.getString(base::kSectionDefine, key, "<none>"); }

    driver::DriverState driver_;
};

// ---- auto exit ----

TEST(AutoExitPacking, ModesOpenAsTheirBoxesAndOkPacksThemBack) {
    struct Case {
        int packed;
        base::AutoExitFields fields;
    };
    const Case cases[] = {
        {21700, {17, 0, 0, 0}},   // the default: off
        {1730, {17, 30, 1, 0}},   // on
        {11730, {17, 30, 1, 1}},  // on, and Windows shut down
        {31730, {17, 30, 0, 0}},  // an unknown mode opens as off
        {-1730, {0, 0, 0, 0}},    // and so does a negative value
        {0, {0, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.packed);
        const base::AutoExitFields f = base::UnpackAutoExit(c.packed);
        EXPECT_EQ(c.fields.hour, f.hour);
        EXPECT_EQ(c.fields.minute, f.minute);
        EXPECT_EQ(c.fields.use, f.use);
        EXPECT_EQ(c.fields.shutdown, f.shutdown);
    }
    EXPECT_EQ(12330, base::PackAutoExit({23, 30, 1, 1}));
    EXPECT_EQ(2330, base::PackAutoExit({23, 30, 1, 0}));
    // "use" off: the shutdown box does not count.
    EXPECT_EQ(22330, base::PackAutoExit({23, 30, 0, 1}));
    EXPECT_EQ(20005, base::PackAutoExit({0, 5, 0, 0}));
}

TEST_F(SettingsDialogsTest, AutoExitOpensFromTheStoredValueAndOkStoresTheNewOne) {
    std::string hourShown, minuteShown;
    bool useShown = true, shutdownShown = true;
    inDialog(app::kAutoExitCaption, [&](plat::Hwnd d) {
        hourShown = FieldText(d, app::kIdAutoExitHour);
        minuteShown = FieldText(d, app::kIdAutoExitMinute);
        useShown = IsChecked(d, app::kIdAutoExitUse);
        shutdownShown = IsChecked(d, app::kIdAutoExitShutdown);
        Retype(d, app::kIdAutoExitHour, "23");
        Retype(d, app::kIdAutoExitMinute, "30");
        Press(d, app::kIdAutoExitUse);
        Press(d, app::kIdAutoExitShutdown);
        Press(d, plat::IDOK);
    });
    bool confirmed = false;
    onProgram([&](plat::Hwnd main) { confirmed = app::EditAutoExit(main, settings_, profile_); });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ("17", hourShown);
    EXPECT_EQ("0", minuteShown);
    EXPECT_FALSE(useShown);
    EXPECT_FALSE(shutdownShown);
    EXPECT_EQ(12330, settings_.autoExitTime);
    EXPECT_EQ("12330", stored(keys::kAutoExitTime));
}

TEST_F(SettingsDialogsTest, AutoExitRefusesAnHourOrMinuteOutOfRangeAndCancelKeepsEverything) {
    std::vector<int> focused;
    inDialog(app::kAutoExitCaption, [&](plat::Hwnd d) {
        Retype(d, app::kIdAutoExitHour, "24");
        Retype(d, app::kIdAutoExitMinute, "60");
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Retype(d, app::kIdAutoExitHour, "9");
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Press(d, plat::IDCANCEL);
    });
    bool confirmed = true;
    onProgram([&](plat::Hwnd main) { confirmed = app::EditAutoExit(main, settings_, profile_); });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ((std::vector<int>{app::kIdAutoExitHour, app::kIdAutoExitMinute}), focused);
    EXPECT_EQ((std::vector<std::string>{u8("0 から 23 までの整数を入力してください。"),
                                        u8("0 から 59 までの整数を入力してください。")}),
              boxTextsSeen());
    EXPECT_EQ(21700, settings_.autoExitTime);
    EXPECT_EQ("<none>", stored(keys::kAutoExitTime));
}

// ---- options ----

TEST_F(SettingsDialogsTest, OptionsShowTheSettingsAndOkStoresThemAndSetsTheDriverFlags) {
    settings_.skipAnn = 0;
    settings_.limitRace = 3000;
    std::map<int, bool> checkedAtOpen;
    std::string limitRaceShown;
    inDialog(app::kOptionsCaption, [&](plat::Hwnd d) {
        for (int id : {app::kIdOptSkipAnn, app::kIdOptAccInp, app::kIdOptAutoPat, app::kIdOptForceMode,
                       app::kIdOptForceTouhyo, app::kIdOptRenameSav, app::kIdOptSkipCyuui, app::kIdOptAutoMode})
            checkedAtOpen[id] = IsChecked(d, id);
        limitRaceShown = FieldText(d, app::kIdOptLimitRace);
        Press(d, app::kIdOptSkipAnn);     // on
        Press(d, app::kIdOptAccInp);      // off
        Press(d, app::kIdOptForceMode);   // on
        Press(d, app::kIdOptSkipCyuui);   // on
        Retype(d, app::kIdOptLimitTime, "20000");
        Retype(d, app::kIdOptBetDivideUnit, "10");
        Press(d, plat::IDOK);
    });
    bool confirmed = false;
    onProgram([&](plat::Hwnd main) { confirmed = app::EditOptions(main, settings_, profile_, driver_); });
    ASSERT_TRUE(confirmed);
    const std::map<int, bool> defaults{{app::kIdOptSkipAnn, false},    {app::kIdOptAccInp, true},
                                       {app::kIdOptAutoPat, true},     {app::kIdOptForceMode, false},
                                       {app::kIdOptForceTouhyo, false}, {app::kIdOptRenameSav, true},
                                       {app::kIdOptSkipCyuui, false},  {app::kIdOptAutoMode, false}};
    EXPECT_EQ(defaults, checkedAtOpen);
    EXPECT_EQ("3000", limitRaceShown);

    EXPECT_EQ(1, settings_.skipAnn);
    EXPECT_EQ(0, settings_.accInp);
    EXPECT_EQ(1, settings_.forceMode);
    EXPECT_EQ(1, settings_.skipCyuui);
    EXPECT_EQ(20000, settings_.limitTime);
    EXPECT_EQ(10, settings_.betDivideUnit);
    EXPECT_EQ("1", stored(keys::kSkipAnn));
    EXPECT_EQ("0", stored(keys::kAccInp));
    EXPECT_EQ("1", stored(keys::kSkipCyuui));
    EXPECT_EQ("20000", stored(keys::kLimitTime));
    EXPECT_EQ("3000", stored(keys::kLimitRace));
    EXPECT_EQ("10", stored(keys::kBetDivideUnit));
    EXPECT_EQ("0", stored(keys::kAutoMode));
    EXPECT_EQ(0, driver_.flags.accInp.load());
    EXPECT_EQ(1, driver_.flags.autoPat.load());
    EXPECT_EQ(1, driver_.flags.skipAnn.load());
    EXPECT_EQ(1, driver_.flags.forceMode.load());
}

TEST_F(SettingsDialogsTest, OptionsRangeChecksRunInTheirOrderAndRefuseFiftyAndAMillionYen) {
    std::vector<int> focused;
    inDialog(app::kOptionsCaption, [&](plat::Hwnd d) {
        Retype(d, app::kIdOptLimitRace, "50");
        Retype(d, app::kIdOptLimitTime, "1000000");
        Retype(d, app::kIdOptBetDivideUnit, "51");
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Retype(d, app::kIdOptLimitTime, "999900");
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Retype(d, app::kIdOptLimitRace, "1000000");
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Retype(d, app::kIdOptLimitRace, "100");
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Press(d, plat::IDCANCEL);
    });
    bool confirmed = true;
    onProgram([&](plat::Hwnd main) { confirmed = app::EditOptions(main, settings_, profile_, driver_); });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ((std::vector<int>{app::kIdOptLimitTime, app::kIdOptLimitRace, app::kIdOptLimitRace,
                                app::kIdOptBetDivideUnit}),
              focused);
    const std::string yen = u8("100 から 999900 までの整数を入力してください。");
    EXPECT_EQ((std::vector<std::string>{yen, yen, yen, u8("10 から 50 までの整数を入力してください。")}),
              boxTextsSeen());
    // Nothing confirmed: nothing kept, nothing written, the driver as it was.
    EXPECT_EQ(5000, settings_.limitTime);
    EXPECT_EQ(5000, settings_.limitRace);
    EXPECT_EQ("<none>", stored(keys::kLimitRace));
    EXPECT_EQ(1, driver_.flags.accInp.load());
}

TEST_F(SettingsDialogsTest, OptionsKeepWhatOtherPartsChangeWhileTheDialogIsOpen) {
    inDialog(app::kOptionsCaption, [&](plat::Hwnd d) {
        plat::sleep(1000);
        Press(d, plat::IDOK);
    });
    onProgram([&](plat::Hwnd main) {
        // A tick inside the dialog's loop may store new running totals.
        const plat::Uint timer = plat::setTimer(main, 1, 100);
        const auto previous = plat::setWindowProc(main, [&](plat::Hwnd w, plat::Uint m, plat::Wparam wp, plat::Lparam lp) {
            if (m == plat::WM_TIMER) settings_.currentInfo = "totals";
            return plat::defWindowProc(w, m, wp, lp);
        });
        app::EditOptions(main, settings_, profile_, driver_);
        plat::killTimer(main, timer);
        plat::setWindowProc(main, previous);
    });
    EXPECT_EQ("totals", settings_.currentInfo);
}

// ---- about ----

TEST_F(SettingsDialogsTest, AboutBoxShowsTheVersionAndTheAccountFigures) {
    base::VotingTerms terms;
    terms.accountBalance = 123400;
    terms.purchaseLimit = 100000;
    terms.prevDayPayout = 4560;
    terms.prevDayPurchase = 7000;
    std::map<int, std::string> shown;
    inDialog(app::kVersionCaption, [&](plat::Hwnd d) {
        for (int id : {app::kIdVersionBalance, app::kIdVersionPurchaseLimit, app::kIdVersionPrevDayPayout,
                       app::kIdVersionPrevDayPurchase})
            shown[id] = FieldText(d, id);
        Press(d, plat::IDOK);
    });
    onProgram([&](plat::Hwnd main) { app::ShowVersion(main, terms); });
    EXPECT_EQ((std::map<int, std::string>{{1025, "123400"}, {1026, "100000"}, {1027, "4560"}, {1028, "7000"}}),
              shown);
    ASSERT_EQ(1u, user_.seen().size());
    EXPECT_EQ(u8("Ornel\nOrnel Version 1.21a\n口座残高\n購入限度額\n前日払戻額\n前日購入額"),
              u8(user_.seen()[0].info.text));
}

}  // namespace
}  // namespace app_test
