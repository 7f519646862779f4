// Template dialogs: data exchange in call order with the framework's range
// check, the first failure reported and focused while the dialog stays open.
#include "controls_fixture.h"
#include "platform/clock.h"

namespace controls_test {
namespace {

using testsupport::u8;

constexpr int kCountId = 1062;
constexpr int kWaitId = 1013;
constexpr int kNameId = 1017;
constexpr int kCheckId = 1022;

DialogTemplate optionsTemplate() {
    DialogTemplate t;
    t.caption = "動作設定";
    t.x = 10;
    t.y = 10;
    t.cx = 200;
    t.cy = 120;
    // The template order differs from the validation order on purpose.
    t.items = {
        {kCountId, "Edit", "", ES_AUTOHSCROLL | WS_TABSTOP, 10, 10, 40, 12},
        {kWaitId, "Edit", "", ES_AUTOHSCROLL | WS_TABSTOP, 10, 30, 40, 12},
        {kNameId, "Edit", "", ES_NUMBER | WS_TABSTOP, 10, 50, 40, 12},
        {kCheckId, "Button", "自動投票", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 70, 80, 10},
        {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 10, 50, 14},
        {IDCANCEL, "Button", "ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, 140, 30, 50, 14},
    };
    return t;
}

class OptionsDialog : public Dialog {
public:
    OptionsDialog() : Dialog(optionsTemplate()) {}
    int count = 20;
    int wait = 500;
    std::string name = "1234";
    int check = 1;

    // What each OK press left behind.
    struct AfterOk {
        Hwnd focus;
        int count;
        int wait;
    };
    std::vector<AfterOk> afterOk;
    std::string countTextAtInit;
    Lresult nameLimitAtInit = 0;

protected:
    void doDataExchange(DataExchange& dx) override {
        dx.integer(kWaitId, wait, 10, 9999);
        dx.integer(kCountId, count, 10, 50);
        dx.text(kNameId, name, 8);
        dx.check(kCheckId, check);
    }
    bool onInitDialog() override {
        countTextAtInit = getWindowText(item(kCountId));
        nameLimitAtInit = sendMessage(item(kNameId), EM_GETLIMITTEXT, 0, 0);
        return true;
    }
    void onOK() override {
        Dialog::onOK();
        afterOk.push_back({getFocus(), count, wait});
    }
};

// Replaces a field's text the way a person does: select all, type.
void retype(Hwnd dialog, int id, const std::string& text) {
    const Hwnd field = getDlgItem(dialog, id);
    postMessage(field, EM_SETSEL, 0, -1);
    for (const char c : text) postMessage(field, WM_CHAR, static_cast<unsigned char>(c), 0);
}

using DialogTest = ControlsTest;

TEST_F(DialogTest, FirstFailingFieldInCallOrderIsReportedAndTheDialogStaysOpen) {
    OptionsDialog dialog;
    user_.onDialog("動作設定", [](sim::Desktop&, const sim::ModalInfo& info) {
        const Hwnd window = info.window;
        retype(window, kCountId, "5");   // out of range
        retype(window, kWaitId, "12x");  // not an integer, and checked first
        sim::pressButton(window, IDOK);
        plat::sleep(1000);
        retype(window, kWaitId, " -0");   // an integer, but out of range
        sim::pressButton(window, IDOK);
        plat::sleep(1000);
        retype(window, kWaitId, "  +250 ");  // blanks around a number are allowed
        sim::pressButton(window, IDOK);
        plat::sleep(1000);
        retype(window, kCountId, "50");
        sim::pressButton(window, kCheckId);
        sim::pressButton(window, IDOK);
    });
    int result = 0;
    onApp([&] { result = dialog.doModal(0); });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.countTextAtInit, "20") << "controls are filled before onInitDialog";
    EXPECT_EQ(dialog.nameLimitAtInit, 8);
    EXPECT_EQ(dialog.wait, 250);
    EXPECT_EQ(dialog.count, 50);
    EXPECT_EQ(dialog.name, "1234");
    EXPECT_EQ(dialog.check, 0);

    const auto& seen = user_.seen();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(u8(seen[1].info.text), u8("整数を入力してください。"));
    EXPECT_EQ(u8(seen[2].info.text), u8("10 から 9999 までの整数を入力してください。"));
    EXPECT_EQ(u8(seen[3].info.text), u8("10 から 50 までの整数を入力してください。"));
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_TRUE(seen[i].info.isMessageBox);
        EXPECT_EQ(u8(seen[i].info.caption), u8("動作設定"));
        EXPECT_EQ(seen[i].info.type, MB_OK | MB_ICONEXCLAMATION);
    }

    ASSERT_EQ(dialog.afterOk.size(), 4u);
    EXPECT_EQ(dialog.afterOk[0].count, 20) << "the exchange stops at the first failure";
    EXPECT_EQ(dialog.afterOk[0].focus, dialog.afterOk[1].focus) << "both failures are the wait field";
    EXPECT_EQ(dialog.afterOk[2].wait, 250) << "fields before the failing one are taken";
    EXPECT_EQ(dialog.afterOk[2].count, 20);
    EXPECT_NE(dialog.afterOk[2].focus, dialog.afterOk[0].focus) << "now the count field";
}

TEST_F(DialogTest, CancelAndCloseChangeNothing) {
    OptionsDialog dialog;
    user_.onDialog("動作設定", [](sim::Desktop&, const sim::ModalInfo& info) {
        retype(info.window, kWaitId, "77");
        postMessage(info.window, WM_CLOSE, 0, 0);
    });
    int result = 0;
    onApp([&] { result = dialog.doModal(0); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.wait, 500);
    EXPECT_TRUE(dialog.afterOk.empty());
}

TEST_F(DialogTest, PlacedInDialogUnitsRelativeToTheOwner) {
    OptionsDialog dialog;
    Rect dialogWindow, dialogClient, countField;
    Point dialogOrigin, ownerOrigin;
    user_.onDialog("動作設定", [&](sim::Desktop&, const sim::ModalInfo& info) {
        getWindowRect(info.window, dialogWindow);
        getClientRect(info.window, dialogClient);
        clientToScreen(info.window, dialogOrigin);
        getWindowRect(getDlgItem(info.window, kCountId), countField);
        sim::pressButton(info.window, IDCANCEL);
    });
    onApp([&] {
        const Hwnd owner = makeParent();
        moveWindow(owner, {100, 50, 700, 450});
        clientToScreen(owner, ownerOrigin);
        dialog.doModal(owner);
    });
    // Base units 6 x 12: 200 x 120 units are 300 x 180 pixels.
    EXPECT_EQ(dialogClient.width(), 300);
    EXPECT_EQ(dialogClient.height(), 180);
    EXPECT_EQ(countField.left - dialogOrigin.x, 15);
    EXPECT_EQ(countField.top - dialogOrigin.y, 15);
    EXPECT_EQ(countField.width(), 60);
    EXPECT_EQ(countField.height(), 18);
    EXPECT_EQ(dialogWindow.left, ownerOrigin.x + 15) << "10 x 10 units from the owner's client origin";
    EXPECT_EQ(dialogWindow.top, ownerOrigin.y + 15);
}

// The desktop goes while a program is still inside a dialog, here in its
// WM_INITDIALOG: the thread unwinds, and the dialog window is destroyed
// while the dialog object still lives.  WM_DESTROY reaches the dialog and
// nothing reaches it after it has gone.
TEST(DialogTeardown, AnUnwoundDialogIsDestroyedBeforeItsObjectGoes) {
    class SleepyDialog : public Dialog {
    public:
        explicit SleepyDialog(std::vector<std::string>& events) : Dialog(optionsTemplate()), events_(events) {}
        ~SleepyDialog() override { events_.push_back("object gone"); }

    protected:
        bool onInitDialog() override {
            plat::sleep(3'600'000);
            return true;
        }
        Lresult onMessage(Uint message, Wparam, Lparam, bool&) override {
            if (message == WM_DESTROY) events_.push_back("WM_DESTROY");
            return 0;
        }

    private:
        std::vector<std::string>& events_;
    };
    std::vector<std::string> events;
    {
        testsupport::TempDir dir;
        sim::Desktop desktop(sim::Desktop::Options{dir.path()});
        EXPECT_FALSE(desktop.call("app", [&] {
            SleepyDialog dialog(events);
            dialog.doModal(0);
        }, 60'000));
    }
    EXPECT_EQ(events, (std::vector<std::string>{"WM_DESTROY", "object gone"}));
}

}  // namespace
}  // namespace controls_test
