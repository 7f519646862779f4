// A desktop with one program ("app") whose thread creates the controls under
// a parent window that records the WM_COMMAND notifications it receives.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/sim/desktop.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"
#include "support/support.h"

namespace controls_test {

using namespace plat;

struct Notification {
    int id;
    int code;
    Hwnd from;
    friend bool operator==(const Notification&, const Notification&) = default;
};

class ControlsTest : public ::testing::Test {
protected:
    ControlsTest() : desktop_(sim::Desktop::Options{dir_.path()}) { desktop_.setUser(&user_); }

    // Runs fn on the app's thread (windows it creates belong to that thread).
    void onApp(const std::function<void()>& fn) { ASSERT_TRUE(desktop_.call("app", fn, 600'000)); }

    // A top-level window recording the notifications of its children.
    Hwnd makeParent() {
        CreateParams params;
        params.className = "Static";
        params.caption = "parent";
        params.style = WS_POPUP | WS_VISIBLE;
        params.rect = {0, 0, 400, 300};
        const Hwnd parent = createWindow(params);
        const WndProc original = classProc("Static");
        setWindowProc(parent, [this, original](Hwnd h, Uint m, Wparam w, Lparam l) {
            if (m == WM_COMMAND) notifications_.push_back({loWord(w), hiWord(w), static_cast<Hwnd>(l)});
            return callWindowProc(original, h, m, w, l);
        });
        return parent;
    }

    Hwnd makeControl(Hwnd parent, const std::string& className, Dword style, int id,
                     const std::string& text = "", Rect rect = {10, 10, 110, 35}) {
        CreateParams params;
        params.className = className;
        params.caption = text;
        params.style = style | WS_CHILD | WS_VISIBLE;
        params.rect = rect;
        params.parent = parent;
        params.id = id;
        return createWindow(params);
    }

    // Dispatches everything posted to the app's thread so far.
    static void pump() {
        Msg msg;
        while (peekMessage(msg, true)) dispatchMessage(msg);
    }

    // A click as a driver posts it: mouse down and up at a client point.
    static void postClick(Hwnd window, int x = 5, int y = 5) {
        postMessage(window, WM_MOUSEMOVE, 0, makeLparam(x, y));
        postMessage(window, WM_LBUTTONDOWN, MK_LBUTTON, makeLparam(x, y));
        postMessage(window, WM_LBUTTONUP, 0, makeLparam(x, y));
        pump();
    }

    static void type(Hwnd window, const std::string& bytes) {
        for (const char c : bytes) postMessage(window, WM_CHAR, static_cast<unsigned char>(c), 0);
        pump();
    }

    static void pressKey(Hwnd window, Wparam key) {
        postMessage(window, WM_KEYDOWN, key, 0);
        postMessage(window, WM_KEYUP, key, 0);
        pump();
    }

    static Lresult send(Hwnd window, Uint message, Wparam wParam = 0, Lparam lParam = 0) {
        return sendMessage(window, message, wParam, lParam);
    }
    static Lresult sendText(Hwnd window, Uint message, Wparam wParam, const char* text) {
        return sendMessage(window, message, wParam, reinterpret_cast<Lparam>(text));
    }

    static std::string text(Hwnd window) { return getWindowText(window, 4096); }

    std::vector<Notification> notificationsWithCode(int code) const {
        std::vector<Notification> found;
        for (const auto& n : notifications_) {
            if (n.code == code) found.push_back(n);
        }
        return found;
    }

    std::size_t soundCount() const {
        std::size_t count = 0;
        for (const auto& event : desktop_.trace()) {
            if (event.kind == sim::TraceEvent::Kind::Sound) ++count;
        }
        return count;
    }

    testsupport::TempDir dir_;
    sim::Desktop desktop_;
    sim::ScriptedUser user_;
    std::vector<Notification> notifications_;
};

}  // namespace controls_test
