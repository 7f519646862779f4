// Finding forms and controls: attempt counts of the waits, the matching
// order, the position test and the scaling of design positions.
#include "driver/scale.h"
#include "driver/window_search.h"
#include "form_desktop.h"

namespace drivertest {
namespace {

using namespace driver;
using plat::Hwnd;

using WaitTest = FormDesktopTest;
using SearchTest = FormDesktopTest;
using ScaleTest = FormDesktopTest;

TEST_F(WaitTest, WaitTopWindowPollsOncePerMessageWaitIncludingTheHit) {
    Hwnd found = 1;
    EXPECT_EQ(asOrnel([&] { found = WaitTopWindow(driver, "ThunderRTForm", "投票", 0); }), 100)
        << "a time-out of 0 still makes one attempt";
    EXPECT_EQ(found, 0u);
    EXPECT_EQ(asOrnel([&] { found = WaitTopWindow(driver, "ThunderRTForm", "投票", 2000); }), 2100)
        << "21 attempts for 2000 ms at 100";
    driver.timing.messageWait = 300;
    EXPECT_EQ(asOrnel([&] { WaitTopWindow(driver, "ThunderRTForm", "投票", 1000); }), 1200)
        << "(1000 + 300) / 300 = 4 attempts";

    // Appearing at 450 ms: the attempt at 600 finds it and still sleeps.
    driver.timing.messageWait = 100;
    Hwnd made = 0;
    onClientAfter(450, [&] { made = makeForm("投票", {0, 0, 638, 430}); });
    EXPECT_EQ(asOrnel([&] { found = WaitTopWindow(driver, "ThunderRTForm", "投票", 2000); }), 600);
    EXPECT_EQ(found, made);

    driver.timing.messageWait = 0;
    EXPECT_EQ(asOrnel([&] { found = WaitTopWindow(driver, "ThunderRTForm", "通信", 5); }), 0)
        << "a MessageWait of 0 neither divides by zero nor loops for ever";
}

TEST_F(WaitTest, WaitControlByCaptionSeesAControlAddedLater) {
    const Hwnd comm = form("通信", {100, 100, 400, 300});
    Hwnd ok = 0;
    onClientAfter(1000, [&] { ok = makeControl(comm, "Button", "ＯＫ", {129, 93, 189, 116}); });
    Hwnd found = 0;
    // Design point (132, 115) of the window is (129, 93) of the client area.
    EXPECT_EQ(asOrnel([&] { found = WaitControlByCaption(driver, "ThunderRTForm", "通信", 132, 115, "ＯＫ", 2000); }),
              1100);
    EXPECT_EQ(found, ok);
    EXPECT_EQ(asOrnel([&] { found = WaitControlByCaption(driver, "ThunderRTForm", "通信", 132, 115, "OK", 500); }),
              600)
        << "half-width OK is another caption";
    EXPECT_EQ(found, 0u);
    EXPECT_EQ(asOrnel([&] { found = WaitControlByClass(driver, "ThunderRTForm", "通信", 132, 115, "Butt", 0); }), 100);
    EXPECT_EQ(found, ok);
}

TEST_F(SearchTest, CaptionPrefixMatchesAndPositionTellsPrefixedCaptionsApart) {
    const Hwnd confirm = form("投票金額確認", {0, 0, 300, 260});
    const Hwnd normal = control(confirm, "Button", "通常投票", {20, 170, 100, 195});
    const Hwnd force = control(confirm, "Button", "強制投票", {120, 170, 200, 195});
    const Hwnd plain = control(confirm, "Button", "通常", {20, 210, 100, 235});
    asOrnel([&] {
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確認", 62, 202, "通常"), normal);
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確認", 62, 242, "通常"), plain);
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確認", 160, 201, "強制"), force);
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確認", 160, 201, "通常"), 0u);
        // Bounds are inclusive: the window rectangle of 通常投票 is
        // (23, 192)-(103, 217).
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確認", 23, 192, "通常投"), normal);
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確認", 103, 217, "通常投"), normal);
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確認", 104, 217, "通常投"), 0u);
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票金額確", 62, 202, "通常"), 0u)
            << "the form's caption must be equal, not a prefix";
    });
}

TEST_F(SearchTest, ControlsInsideFramesAndSeveralFormsOfOneName) {
    // Two vote forms: the newer one (first in z-order) has no frame at the
    // point, the older one has; the frame holds a combo box.
    const Hwnd older = form("投票", {10, 10, 648, 440});
    const Hwnd frame = control(older, "Button", "場名", {20, 30, 180, 90}, plat::BS_GROUPBOX);
    const Hwnd combo = control(frame, "ComboBox", "", {10, 20, 150, 44}, plat::CBS_DROPDOWNLIST);
    const Hwnd newer = form("投票", {10, 10, 648, 440});
    control(newer, "Button", "場名", {300, 300, 400, 340}, plat::BS_GROUPBOX);
    asOrnel([&] {
        // Design point (92, 71): client (89, 49) of the form, (69, 19) of the frame.
        EXPECT_EQ(FindControlByCaption("ThunderRTForm", "投票", 92, 71, "場名"), frame);
        EXPECT_EQ(FindControlByClass("ThunderRTForm", "投票", 92, 71, "Combo"), 0u)
            << "(92, 71) lies above the combo box";
        EXPECT_EQ(FindControlByClass("ThunderRTForm", "投票", 92, 80, "Combo"), combo);
        // Only windows without children: the frame never, the combo box at its place.
        EXPECT_EQ(FindControlAt("ThunderRTForm", "投票", 92, 80), combo);
        EXPECT_EQ(FindControlAt("ThunderRTForm", "投票", 92, 71), 0u);
        // Parent before children, newer form first.
        EXPECT_NE(FindControlByCaptionAnywhere("ThunderRTForm", "投票", "場名"), frame);
        EXPECT_EQ(FindControlByCaptionAnywhere("ThunderRTForm", "投票", "場"), plat::getWindow(newer, plat::GW_CHILD));
        EXPECT_EQ(FindControlByCaptionAnywhere("ThunderRTForm", "投票", "投票"), newer);
    });
}

TEST_F(SearchTest, FindDeepestAtDescendsOnlyFromTheFirstForm) {
    const Hwnd login = form("JRA PAT for Win 95", {0, 0, 651, 493});
    const Hwnd panel = control(login, "Static", "", {300, 280, 600, 380});
    const Hwnd user = control(panel, "Edit", "", {150, 15, 250, 40});
    const Hwnd password = control(panel, "Edit", "", {150, 45, 250, 70}, plat::ES_PASSWORD);
    asOrnel([&] {
        EXPECT_EQ(FindDeepestAt("ThunderRTForm", "JRA PAT for Win 95", 504, 322), user);
        EXPECT_EQ(FindDeepestAt("ThunderRTForm", "JRA PAT for Win 95", 484, 352), password);
        EXPECT_EQ(FindDeepestAt("ThunderRTForm", "JRA PAT for Win 95", 320, 360), 0u)
            << "inside the panel, on none of its fields";
        EXPECT_EQ(FindDeepestAt("ThunderRTForm", "JRA PAT for Win 95", 5, 5), 0u);
    });
    // A newer login form without fields hides the older one.
    form("JRA PAT for Win 95", {0, 0, 651, 493});
    asOrnel([&] { EXPECT_NE(FindDeepestAt("ThunderRTForm", "JRA PAT for Win 95", 504, 322), user); });
}

TEST_F(ScaleTest, FactorsComeFromTheWindowRectangleAndPositionsTruncate) {
    asOrnel([&] {
        EXPECT_EQ(ScaleXPos(driver, 292), 292);
        EXPECT_FALSE(CalibrateScale(driver, "ThunderRTForm", "投票", 638, 430));
        EXPECT_EQ(driver.scaleX.load(), 1.0) << "no window: the factors stay";
    });
    form("投票", {0, 0, 957, 645});  // 1.5 times 638 x 430
    asOrnel([&] {
        ASSERT_TRUE(CalibrateScale(driver, "ThunderRTForm", "投票", 638, 430));
        EXPECT_EQ(ScaleXPos(driver, 292), 438);
        EXPECT_EQ(ScaleXPos(driver, 3), 4) << "4.5 truncates";
        EXPECT_EQ(ScaleYPos(driver, 1), 1);
        EXPECT_EQ(ScaleYPos(driver, 90), 135);
        EXPECT_FALSE(CalibrateScale(driver, "ThunderRTForm", "投票", 0, 430));
        EXPECT_EQ(driver.scaleX.load(), 1.5);
    });
    form("開催場案内", {0, 0, 400, 300});
    asOrnel([&] {
        ASSERT_TRUE(CalibrateScale(driver, "ThunderRTForm", "開催場案内", 800, 400));
        EXPECT_EQ(ScaleXPos(driver, 687), 343) << "343.5 truncates";
        EXPECT_EQ(ScaleYPos(driver, 293), 219) << "219.75 truncates";
    });
}

}  // namespace
}  // namespace drivertest
