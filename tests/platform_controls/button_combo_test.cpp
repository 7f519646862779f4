// Buttons and drop-down lists operated the way the driver operates them:
// clicks by posted mouse messages, arrow keys, BM_SETCHECK and the combo
// box queries.
#include "controls_fixture.h"

namespace controls_test {
namespace {

using testsupport::u8;

using ButtonTest = ControlsTest;
using ComboTest = ControlsTest;

TEST_F(ButtonTest, PostedClickReachesTheParentWhenReleasedOverTheButton) {
    onApp([&] {
        const Hwnd parent = makeParent();
        const Hwnd ok = makeControl(parent, "Button", BS_PUSHBUTTON, 1020, "OK");
        postClick(ok);
        EXPECT_EQ(notifications_, (std::vector<Notification>{{1020, static_cast<int>(BN_CLICKED), ok}}));

        notifications_.clear();
        postClick(ok, 300, 5);
        EXPECT_TRUE(notifications_.empty()) << "released outside the button";

        postMessage(ok, WM_LBUTTONUP, 0, makeLparam(5, 5));
        pump();
        EXPECT_TRUE(notifications_.empty()) << "a button-up without a button-down is no click";
    });
}

TEST_F(ButtonTest, CheckBoxesAndOptionGroups) {
    onApp([&] {
        const Hwnd parent = makeParent();
        const Hwnd box = makeControl(parent, "Button", BS_AUTOCHECKBOX, 1022, "投票要項を取得しない");
        postClick(box);
        EXPECT_EQ(send(box, BM_GETCHECK), 1);
        postClick(box);
        EXPECT_EQ(send(box, BM_GETCHECK), 0);
        EXPECT_EQ(notificationsWithCode(BN_CLICKED).size(), 2u);

        // Two groups: 単勝 複勝 馬連 | 通常 総流し (WS_GROUP starts each).
        const Hwnd win = makeControl(parent, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 1, "単勝");
        const Hwnd place = makeControl(parent, "Button", BS_AUTORADIOBUTTON, 2, "複勝");
        const Hwnd quinella = makeControl(parent, "Button", BS_AUTORADIOBUTTON, 3, "馬連");
        const Hwnd normal = makeControl(parent, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 4, "通常");
        const Hwnd all = makeControl(parent, "Button", BS_AUTORADIOBUTTON, 5, "総流し");
        send(all, BM_SETCHECK, BST_CHECKED);
        send(win, BM_SETCHECK, BST_CHECKED);
        send(place, BM_SETCHECK, BST_CHECKED);
        EXPECT_EQ(send(win, BM_GETCHECK), 1) << "BM_SETCHECK leaves the siblings alone";

        notifications_.clear();
        postClick(quinella);
        EXPECT_EQ(send(quinella, BM_GETCHECK), 1);
        EXPECT_EQ(send(win, BM_GETCHECK), 0);
        EXPECT_EQ(send(place, BM_GETCHECK), 0);
        EXPECT_EQ(send(all, BM_GETCHECK), 1) << "another group";
        EXPECT_EQ(notifications_, (std::vector<Notification>{{3, static_cast<int>(BN_CLICKED), quinella}}));

        postClick(normal);
        EXPECT_EQ(send(all, BM_GETCHECK), 0);
        EXPECT_EQ(send(quinella, BM_GETCHECK), 1);

        const Hwnd frame = makeControl(parent, "Button", BS_GROUPBOX, 6, "馬番／枠番");
        notifications_.clear();
        postClick(frame);
        EXPECT_TRUE(notifications_.empty()) << "a group box takes no input";
    });
}

TEST_F(ComboTest, ArrowKeysMoveTheSelectionAndNotify) {
    onApp([&] {
        // Superclassed under the betting client's own class name.
        ASSERT_TRUE(registerClass("ThunderRTComboBox", classProc("ComboBox")));
        const Hwnd parent = makeParent();
        const Hwnd combo = makeControl(parent, "ThunderRTComboBox", CBS_DROPDOWNLIST, 7);
        for (const char* item : {"当日", "前日", "翌日"}) sendText(combo, CB_ADDSTRING, 0, item);
        EXPECT_EQ(send(combo, CB_GETCOUNT), 3);
        EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
        EXPECT_EQ(text(combo), "");

        postClick(combo, 40, 8);
        EXPECT_EQ(send(combo, 0x0157 /* CB_GETDROPPEDSTATE */), 1) << "a click opens the list";
        auto key = [&](Wparam vk) { pressKey(combo, vk); };
        key(VK_RIGHT);
        EXPECT_EQ(send(combo, CB_GETCURSEL), 0) << "from no selection to the first item";
        EXPECT_EQ(u8(text(combo)), u8("当日"));
        key(VK_DOWN);
        key(VK_RIGHT);
        key(VK_RIGHT);
        EXPECT_EQ(send(combo, CB_GETCURSEL), 2) << "clamped at the last item";
        key(VK_LEFT);
        EXPECT_EQ(send(combo, CB_GETCURSEL), 1);
        EXPECT_EQ(notifications_.size(), 4u) << "one CBN_SELCHANGE per change, none when clamped";
        for (const auto& n : notifications_) {
            EXPECT_EQ(n, (Notification{7, static_cast<int>(CBN_SELCHANGE), combo}));
        }

        char buffer[16] = {};
        EXPECT_EQ(send(combo, CB_GETLBTEXT, 2, reinterpret_cast<Lparam>(buffer)), 4);
        EXPECT_EQ(u8(buffer), u8("翌日"));
        EXPECT_EQ(send(combo, CB_GETLBTEXT, 3, reinterpret_cast<Lparam>(buffer)), CB_ERR);
        EXPECT_EQ(send(combo, CB_GETLBTEXTLEN, 0), 4);

        notifications_.clear();
        EXPECT_EQ(send(combo, CB_SETCURSEL, 0), 0);
        EXPECT_EQ(u8(text(combo)), u8("当日"));
        EXPECT_EQ(send(combo, CB_SETCURSEL, 9), CB_ERR);
        EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
        EXPECT_TRUE(notifications_.empty()) << "CB_SETCURSEL is silent";

        send(combo, CB_RESETCONTENT);
        key(VK_DOWN);
        EXPECT_EQ(send(combo, CB_GETCOUNT), 0);
        EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    });
}

}  // namespace
}  // namespace controls_test
