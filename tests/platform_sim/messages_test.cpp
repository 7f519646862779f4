// Message order, sends between threads, timers, modal loops and the trace.
#include "sim_fixture.h"

using namespace simtest;
using namespace plat;
using Strings = std::vector<std::string>;
using Kind = sim::TraceEvent::Kind;

namespace {

// A thread's ordinary message loop.
void pump() {
    Msg msg;
    while (getMessage(msg)) dispatchMessage(msg);
}

}  // namespace

TEST_F(SimTest, PostedMessagesArriveInOrderBeforeTimersAndQuitComesLast) {
    ASSERT_TRUE(desktop.call("app", [&] {
        Hwnd w = makeWindow("w", 0, {});
        setTimer(w, 7, 100);
        plat::sleep(250);  // the timer falls due twice while the thread is busy
        postMessage(w, WM_USER, 1, 0);
        postQuitMessage(3);
        postMessage(w, WM_USER + 1, 2, 0);
        Msg msg;
        while (getMessage(msg)) dispatchMessage(msg);
        EXPECT_EQ(msg.message, WM_QUIT);
        EXPECT_EQ(msg.wParam, 3u);
        postQuitMessage(0);
        EXPECT_TRUE(peekMessage(msg, false));
        EXPECT_EQ(msg.message, WM_QUIT);
        EXPECT_TRUE(peekMessage(msg, true));
        EXPECT_TRUE(peekMessage(msg, false));
        EXPECT_EQ(msg.message, WM_TIMER);
        // Coalesced: one WM_TIMER for the missed periods, the next a period later.
        while (getMessage(msg) && log.size() < 5) dispatchMessage(msg);
    }));
    EXPECT_EQ(log, (Strings{"250:w:0400:1", "250:w:0401:2", "250:w:0113:7", "350:w:0113:7", "450:w:0113:7"}));
}

TEST_F(SimTest, SendToAnotherThreadWaitsForItsReply) {
    Hwnd server = 0;
    logged.push_back(WM_USER + 5);
    desktop.startProgram("server", "", [&] {
        server = makeWindow("server", 0, {});
        setWindowProc(server, [&](Hwnd h, Uint m, Wparam w, Lparam l) -> Lresult {
            if (m == WM_USER + 5) {
                noteAt("served");
                return static_cast<Lresult>(w * 2);
            }
            return defWindowProc(h, m, w, l);
        });
        plat::sleep(500);  // busy: the send waits until it looks for messages
        pump();
    });
    desktop.runFor(10);
    ASSERT_TRUE(desktop.call("client", [&] {
        noteAt("sending");
        Lresult r = sendMessage(server, WM_USER + 5, 21, 0);
        noteAt("reply " + std::to_string(r));
        // Text of another program's window is read without a send.
        EXPECT_EQ(getWindowText(server), "server");
    }));
    EXPECT_EQ(log, (Strings{"10:sending", "500:served", "500:reply 42"}));

    const auto& trace = desktop.trace();
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(trace[0].kind, Kind::Send);
    EXPECT_EQ(trace[0].fromProgram, "client");
    EXPECT_EQ(trace[0].toProgram, "server");
    EXPECT_EQ(trace[0].message, WM_USER + 5);
    EXPECT_EQ(trace[0].caption, "server");
    EXPECT_EQ(trace[0].timeMs, 10);
}

TEST_F(SimTest, ThreadsSendingToEachOtherServeSendsWhileWaiting) {
    Hwnd first = 0, second = 0;
    auto answering = [&](Hwnd* self, Hwnd* peer) {
        return [=, this] {
            *self = makeWindow("w", 0, {});
            setWindowProc(*self, [=](Hwnd h, Uint m, Wparam w, Lparam l) -> Lresult {
                if (m != WM_USER) return defWindowProc(h, m, w, l);
                // Ask the other thread back before answering.
                return w == 0 ? 1 : 10 * sendMessage(*peer, WM_USER, w - 1, 0);
            });
            pump();
        };
    };
    desktop.startProgram("one", "", answering(&first, &second));
    desktop.startProgram("two", "", answering(&second, &first));
    desktop.runFor(1);
    Lresult result = 0;
    ASSERT_TRUE(desktop.call("three", [&] { result = sendMessage(first, WM_USER, 3, 0); }, 1000));
    EXPECT_EQ(result, 1000);

    // A send to a window whose thread has gone returns 0.
    Hwnd gone = 0;
    desktop.call("short", [&] { gone = makeWindow("gone", 0, {}); });
    EXPECT_FALSE(isWindow(gone));
    ASSERT_TRUE(desktop.call("three", [&] { result = sendMessage(gone, WM_USER, 3, 0); }));
    EXPECT_EQ(result, 0);
}

TEST_F(SimTest, PostsBetweenProgramsAreTracedWithVirtualTime) {
    Hwnd target = 0;
    desktop.startProgram("client", "", [&] {
        target = makeWindow("投票", 0, {});
        pump();
    });
    desktop.runFor(1000);
    desktop.call("ornel", [&] {
        Hwnd own = makeWindow("own", 0, {});
        postMessage(own, WM_USER, 0, 0);  // within the program: not traced
        plat::sleep(200);
        postMessage(target, WM_LBUTTONDOWN, MK_LBUTTON, makeLparam(5, 5));
        setForegroundWindow(target);
        flashWindow(own, true);
    });
    postMessage(target, WM_USER, 0, 0);  // from the harness: not traced

    const auto& trace = desktop.trace();
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0].kind, Kind::Post);
    EXPECT_EQ(trace[0].timeMs, 1200);
    EXPECT_EQ(trace[0].fromProgram, "ornel");
    EXPECT_EQ(trace[0].toProgram, "client");
    EXPECT_EQ(trace[0].hwnd, target);
    EXPECT_EQ(trace[0].caption, "投票");
    EXPECT_EQ(trace[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(trace[0].wParam, MK_LBUTTON);
    EXPECT_EQ(trace[0].lParam, makeLparam(5, 5));
    EXPECT_EQ(trace[1].kind, Kind::Foreground);
    EXPECT_EQ(trace[1].toProgram, "client");
    EXPECT_EQ(trace[2].kind, Kind::Flash);
    EXPECT_EQ(trace[2].value, 1);
}

namespace {

// Answers every modal window by pressing its first button after a delay,
// keeping what it was shown.
class FirstButtonUser : public sim::User {
public:
    void onModal(sim::Desktop& desktop, const sim::ModalInfo& info) override {
        shown.push_back(info);
        if (info.buttons.empty()) return;
        Hwnd box = info.window;
        int id = info.buttons.front().first;
        desktop.act(delayMs, [box, id] { endModal(box, id); });
    }
    std::int64_t delayMs = 5000;
    std::vector<sim::ModalInfo> shown;
};

}  // namespace

TEST_F(SimTest, ModalLoopPumpsTimersAndDisablesTheOwnerUntilAnswered) {
    FirstButtonUser user;
    desktop.setUser(&user);
    int result = 0;
    bool ownerDisabledMeanwhile = false;
    ASSERT_TRUE(desktop.call("ornel", [&] {
        Hwnd main = makeWindow("main", WS_CAPTION | WS_VISIBLE, {0, 0, 300, 200});
        setTimer(main, 1, 2000);
        Hwnd box = makeWindow("確認", WS_POPUP | WS_CAPTION | WS_VISIBLE, {50, 50, 250, 150}, 0, main);
        makeWindow("一行目", WS_CHILD | SS_LEFT, {}, box, 0, 10, "Static");
        makeWindow("二行目", WS_CHILD | SS_LEFT, {}, box, 0, 11, "Static");
        makeWindow("はい(&Y)", WS_CHILD | BS_DEFPUSHBUTTON, {}, box, 0, IDYES, "Button");
        makeWindow("check", WS_CHILD | BS_AUTOCHECKBOX, {}, box, 0, 20, "Button");
        makeWindow("いいえ(&N)", WS_CHILD | BS_PUSHBUTTON, {}, box, 0, IDNO, "Button");
        setTimer(box, 2, 100'000);
        desktop.act(100, [&] { ownerDisabledMeanwhile = !isWindowEnabled(main); });
        result = runModalLoop(box);
        EXPECT_TRUE(isWindowEnabled(main));
        EXPECT_TRUE(isWindow(box));  // the caller destroys it
        destroyWindow(box);
    }));
    EXPECT_EQ(result, IDYES);
    EXPECT_TRUE(ownerDisabledMeanwhile);
    // The main window's timer kept ticking while the box was open.
    EXPECT_EQ(log, (Strings{"2000:main:0113:1", "4000:main:0113:1"}));

    ASSERT_EQ(user.shown.size(), 1u);
    const sim::ModalInfo& info = user.shown[0];
    EXPECT_EQ(info.program, "ornel");
    EXPECT_EQ(info.caption, "確認");
    EXPECT_EQ(info.text, "一行目\n二行目");
    ASSERT_EQ(info.buttons.size(), 2u);
    EXPECT_EQ(info.buttons[0], (std::pair<int, std::string>{IDYES, "はい(&Y)"}));
    EXPECT_EQ(info.buttons[1].first, IDNO);

    const auto& trace = desktop.trace();
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].kind, Kind::Box);
    EXPECT_EQ(trace[0].timeMs, 0);
    EXPECT_EQ(trace[0].text, "一行目\n二行目");
    EXPECT_EQ(trace[1].kind, Kind::BoxAnswer);
    EXPECT_EQ(trace[1].timeMs, 5000);
    EXPECT_EQ(trace[1].value, IDYES);
}

TEST_F(SimTest, ModalLoopEndsOnQuitOrDestructionAndTakesDetails) {
    FirstButtonUser user;
    desktop.setUser(&user);
    ASSERT_TRUE(desktop.call("ornel", [&] {
        Hwnd box = makeWindow("box", WS_POPUP, {});
        sim::ModalDetails details;
        details.text = "本文";
        details.helpId = 8141;
        details.isMessageBox = true;
        sim::setModalDetails(box, details);
        postQuitMessage(5);
        EXPECT_EQ(runModalLoop(box), IDCANCEL);
        Msg msg;
        EXPECT_FALSE(getMessage(msg));  // the quit is there again for the outer loop
        EXPECT_EQ(msg.wParam, 5u);

        // Closing the box ends its loop too.
        postMessage(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(runModalLoop(box), IDCANCEL);
        EXPECT_FALSE(isWindow(box));

        // An answer given before the loop starts ends it at once.
        Hwnd early = makeWindow("early", WS_POPUP, {});
        endModal(early, IDOK);
        EXPECT_EQ(runModalLoop(early), IDOK);
    }));
    // A box nobody answers stays open; the desktop still shuts down cleanly.
    EXPECT_FALSE(desktop.call("ornel", [&] {
        runModalLoop(makeWindow("unanswered", WS_POPUP, {}));
    }, 60'000));
    EXPECT_EQ(desktop.trace().back().kind, Kind::Box);

    ASSERT_EQ(user.shown.size(), 3u);
    EXPECT_EQ(user.shown[0].text, "本文");
    EXPECT_EQ(user.shown[0].helpId, 8141u);
    EXPECT_TRUE(user.shown[0].isMessageBox);
    EXPECT_EQ(desktop.trace()[0].helpId, 8141u);
}
