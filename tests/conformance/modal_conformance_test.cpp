// Modal boxes and dialogs run their own message loops, in which the
// program's timers keep firing; a message posted to them ends them.
#include <gtest/gtest.h>

#include "conformance/host.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace {

using namespace plat;
using conformance::runAsProgram;

constexpr const char* kTickerClass = "ConformanceTicker";
constexpr const char* kBoxCaption = "Conformance box";
constexpr Uint kTimerId = 1;
constexpr Uint kTimerMs = 20;
constexpr int kTicksBeforeAnswer = 3;

// A hidden window whose timer answers the box once it has ticked a few
// times inside the box's loop.
struct Ticker {
    int ticks = 0;
    Hwnd hwnd = 0;

    static Lresult proc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
        auto* self = static_cast<Ticker*>(getWindowData(window));
        if (self != nullptr && message == WM_TIMER && ++self->ticks == kTicksBeforeAnswer) {
            const Hwnd box = findWindow("#32770", kBoxCaption);
            if (box != 0) postMessage(box, WM_COMMAND, makeWparam(IDOK, BN_CLICKED), 0);
        }
        return defWindowProc(window, message, wParam, lParam);
    }
};

TEST(ModalConformance, TimersFireInsideAMessageBoxAndAPostedCommandAnswersIt) {
    ASSERT_TRUE(runAsProgram([] {
        registerClass(kTickerClass, Ticker::proc);  // fails harmlessly when already registered
        Ticker ticker;
        CreateParams params;
        params.className = kTickerClass;
        params.style = WS_POPUP;
        params.rect = {0, 0, 10, 10};
        ticker.hwnd = createWindow(params);
        ASSERT_NE(ticker.hwnd, 0u);
        setWindowData(ticker.hwnd, &ticker);
        setTimer(ticker.hwnd, kTimerId, kTimerMs);
        EXPECT_EQ(messageBox(ticker.hwnd, "text", kBoxCaption, MB_OKCANCEL | MB_ICONQUESTION), IDOK);
        EXPECT_GE(ticker.ticks, kTicksBeforeAnswer);
        killTimer(ticker.hwnd, kTimerId);
        EXPECT_EQ(findWindow("#32770", kBoxCaption), 0u) << "the box is gone";
        setWindowData(ticker.hwnd, nullptr);
        destroyWindow(ticker.hwnd);
    }));
}

constexpr int kValueId = 100;

// A dialog that fills its field from its value, and whose own timer types
// a new number and presses OK.
class TimedDialog : public Dialog {
public:
    explicit TimedDialog(int value) : Dialog(layout()), value(value) {}
    int value;
    int ticks = 0;
    std::string shownAtStart;

protected:
    void doDataExchange(DataExchange& dx) override { dx.integer(kValueId, value, 1, 99); }
    bool onInitDialog() override {
        shownAtStart = getWindowText(item(kValueId));
        setTimer(hwnd(), kTimerId, kTimerMs);
        return true;
    }
    Lresult onMessage(Uint message, Wparam, Lparam, bool& handled) override {
        if (message != WM_TIMER) return 0;
        handled = true;
        if (++ticks == kTicksBeforeAnswer) {
            killTimer(hwnd(), kTimerId);
            setWindowText(item(kValueId), "42");
            postMessage(hwnd(), WM_COMMAND, makeWparam(IDOK, BN_CLICKED), 0);
        }
        return 0;
    }

private:
    static DialogTemplate layout() {
        DialogTemplate t;
        t.caption = "Conformance dialog";
        t.cx = 120;
        t.cy = 60;
        t.items = {{kValueId, "Edit", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 10, 10, 50, 12},
                   {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 30, 40, 14},
                   {IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 60, 30, 40, 14}};
        return t;
    }
};

TEST(ModalConformance, ADialogExchangesItsDataAndRunsTimersInItsLoop) {
    ASSERT_TRUE(runAsProgram([] {
        TimedDialog dialog(7);
        EXPECT_EQ(dialog.doModal(0), IDOK);
        EXPECT_EQ(dialog.shownAtStart, "7");
        EXPECT_EQ(dialog.ticks, kTicksBeforeAnswer);
        EXPECT_EQ(dialog.value, 42);
        EXPECT_EQ(dialog.hwnd(), 0u);
    }));
}

}  // namespace
