// Window relations, search, geometry, minimizing and destruction.
#include <cstring>

#include "sim_fixture.h"

using namespace simtest;
using namespace plat;

TEST_F(SimTest, RelationsFollowZOrderAndCreationOrder) {
    Hwnd first = makeWindow("first", WS_VISIBLE, {0, 0, 200, 100});
    Hwnd second = makeWindow("second", WS_VISIBLE, {10, 10, 210, 110});
    Hwnd a = makeWindow("a", WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, first, 0, 11);
    Hwnd b = makeWindow("b", WS_CHILD | WS_VISIBLE, {0, 20, 10, 30}, first, 0, 12);
    Hwnd c = makeWindow("c", WS_CHILD | WS_VISIBLE, {0, 40, 10, 50}, first, 0, 13);
    Hwnd owned = makeWindow("owned", WS_POPUP, {0, 0, 50, 50}, 0, b);

    // Handles are small, distinct and print as four hex digits.
    EXPECT_EQ(hex(getDesktopWindow()).size(), 4u);
    EXPECT_LT(first, second);

    // Newest top-level window on top; children in creation order.
    EXPECT_EQ(getWindow(getDesktopWindow(), GW_CHILD), owned);
    EXPECT_EQ(getWindow(owned, GW_HWNDNEXT), second);
    EXPECT_EQ(getWindow(second, GW_HWNDNEXT), first);
    EXPECT_EQ(getWindow(first, GW_HWNDNEXT), 0u);
    EXPECT_EQ(getWindow(first, GW_CHILD), a);
    EXPECT_EQ(getWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(getWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(getWindow(b, GW_HWNDFIRST), a);
    EXPECT_EQ(getWindow(b, GW_HWNDLAST), c);
    EXPECT_EQ(getWindow(c, GW_CHILD), 0u);

    // The owner of a top-level window is the top-level window of the one given.
    EXPECT_EQ(getWindow(owned, GW_OWNER), first);
    EXPECT_EQ(getParent(b), first);
    EXPECT_EQ(getParent(first), 0u);
    EXPECT_EQ(getDlgItem(first, 12), b);
    EXPECT_EQ(getDlgItem(first, 99), 0u);
    EXPECT_EQ(getDlgCtrlId(c), 13);

    // Bringing a window to the foreground raises it with the windows it owns.
    EXPECT_TRUE(setForegroundWindow(a));
    EXPECT_EQ(getForegroundWindow(), first);
    EXPECT_EQ(getWindow(getDesktopWindow(), GW_CHILD), owned);
    EXPECT_EQ(getWindow(owned, GW_HWNDNEXT), first);
    EXPECT_EQ(getWindow(first, GW_HWNDNEXT), second);

    // As Windows answers: the owner of a pop-up, nothing for an owned
    // overlapped window.
    EXPECT_EQ(getParent(owned), first);
    Hwnd ownedOverlapped = makeWindow("overlapped", 0, {0, 0, 50, 50}, 0, first);
    EXPECT_EQ(getParent(ownedOverlapped), 0u);
    EXPECT_EQ(getWindow(ownedOverlapped, GW_OWNER), first);
}

TEST_F(SimTest, FindWindowMatchesEitherArgumentAndHiddenWindows) {
    Hwnd hidden = makeWindow("Login", 0, {0, 0, 10, 10}, 0, 0, 0, "FormClass");
    Hwnd shown = makeWindow("Menu", WS_VISIBLE, {0, 0, 10, 10}, 0, 0, 0, "FormClass");
    Hwnd other = makeWindow("Login", WS_VISIBLE, {0, 0, 10, 10});
    makeWindow("Child", WS_CHILD, {0, 0, 5, 5}, shown);

    EXPECT_EQ(findWindow("FormClass", "Login"), hidden);
    EXPECT_EQ(findWindow("formclass", "LOGIN"), hidden);  // case does not matter
    EXPECT_EQ(findWindow("FormClass", nullptr), shown);   // topmost of the class
    EXPECT_EQ(findWindow(nullptr, "Login"), other);
    EXPECT_EQ(findWindow(nullptr, nullptr), other);
    EXPECT_EQ(findWindow(nullptr, "Child"), 0u);  // top-level windows only
    EXPECT_EQ(findWindow("FormClass", "Log"), 0u);
    EXPECT_FALSE(isWindowVisible(hidden));
}

TEST_F(SimTest, ClientAreaLiesInsideCaptionAndBorders) {
    struct Case {
        Dword style;
        Rect client;
    };
    const Case cases[] = {
        {WS_CAPTION | WS_THICKFRAME, {0, 0, 300 - 8, 200 - 8 - 19}},
        {WS_CAPTION, {0, 0, 300 - 6, 200 - 6 - 19}},
        {WS_POPUP | WS_BORDER, {0, 0, 298, 198}},
        {WS_POPUP, {0, 0, 300, 200}},
    };
    for (const Case& c : cases) {
        Hwnd w = makeWindow("frame", c.style | WS_VISIBLE, {100, 50, 400, 250});
        Rect r;
        ASSERT_TRUE(getClientRect(w, r));
        EXPECT_EQ(r, c.client) << std::hex << c.style;
        ASSERT_TRUE(getWindowRect(w, r));
        EXPECT_EQ(r, (Rect{100, 50, 400, 250}));
    }

    // Children are placed in the parent's client area; a bordered child has
    // a one-pixel border.
    Hwnd form = makeWindow("form", WS_CAPTION | WS_VISIBLE, {100, 50, 400, 250});
    Hwnd frame = makeWindow("frame", WS_CHILD | WS_BORDER | WS_VISIBLE, {10, 20, 110, 70}, form);
    Hwnd button = makeWindow("ok", WS_CHILD | WS_VISIBLE, {5, 5, 45, 25}, frame);
    Rect r;
    getWindowRect(frame, r);
    EXPECT_EQ(r, (Rect{100 + 3 + 10, 50 + 22 + 20, 100 + 3 + 110, 50 + 22 + 70}));
    getClientRect(frame, r);
    EXPECT_EQ(r, (Rect{0, 0, 98, 48}));
    getWindowRect(button, r);
    EXPECT_EQ(r, (Rect{113 + 1 + 5, 92 + 1 + 5, 113 + 1 + 45, 92 + 1 + 25}));
    Point p{0, 0};
    clientToScreen(button, p);
    EXPECT_EQ(p, (Point{119, 98}));
    screenToClient(frame, p);
    EXPECT_EQ(p, (Point{5, 5}));

    // A window is never smaller than its frame, so window minus client size
    // is the frame even for an empty rectangle.
    Hwnd empty = makeWindow("empty", WS_CAPTION, {});
    getWindowRect(empty, r);
    EXPECT_EQ(r, (Rect{0, 0, 6, 25}));
    moveWindow(empty, {10, 10, 10, 10});
    getWindowRect(empty, r);
    EXPECT_EQ(r, (Rect{10, 10, 16, 35}));
    getClientRect(empty, r);
    EXPECT_EQ(r, Rect{});

    // Moving the form moves what it contains.
    moveWindow(form, {0, 0, 300, 200});
    getWindowRect(button, r);
    EXPECT_EQ(r.left, 3 + 10 + 1 + 5);
}

TEST_F(SimTest, SystemCommandsMinimizeAndRestore) {
    logged = {WM_SIZE, WM_MOVE};
    ASSERT_TRUE(desktop.call("client", [&] {
        Hwnd w = makeWindow("form", WS_CAPTION | WS_VISIBLE, {100, 100, 500, 400});
        Hwnd other = makeWindow("other", WS_CAPTION | WS_VISIBLE, {0, 0, 50, 50});
        sendMessage(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(isIconic(w));
        Rect r;
        getWindowRect(w, r);
        EXPECT_EQ(r.bottom, desktop.options().screenHeight);
        EXPECT_EQ(r.width(), 160);
        getClientRect(w, r);
        EXPECT_EQ(r, Rect{});
        showWindow(other, SW_MINIMIZE);  // the next minimized window goes beside it
        Rect r2;
        getWindowRect(other, r2);
        getWindowRect(w, r);
        EXPECT_EQ(r2.left, r.right);

        sendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_FALSE(isIconic(w));
        getWindowRect(w, r);
        EXPECT_EQ(r, (Rect{100, 100, 500, 400}));
        EXPECT_TRUE(isWindowVisible(w));
    }));
    // WM_SIZE carries the kind and the client size; WM_MOVE the client origin.
    EXPECT_EQ(log[0], "0:form:0005:1");
    EXPECT_EQ(log[3], "0:other:0003:0");
    EXPECT_EQ(log[4], "0:form:0005:0");
    EXPECT_EQ(log[5], "0:form:0003:0");
    EXPECT_EQ(log.size(), 6u);
}

TEST_F(SimTest, DestroyingAWindowTakesItsChildrenAndOwnedWindows) {
    logged = {WM_DESTROY, WM_NCDESTROY};
    Hwnd main = makeWindow("main", WS_VISIBLE, {0, 0, 100, 100});
    Hwnd child = makeWindow("child", WS_CHILD, {0, 0, 10, 10}, main);
    Hwnd grandchild = makeWindow("grandchild", WS_CHILD, {0, 0, 5, 5}, child);
    Hwnd box = makeWindow("box", WS_POPUP, {0, 0, 10, 10}, 0, main);
    Hwnd unrelated = makeWindow("unrelated", WS_VISIBLE, {0, 0, 10, 10});
    setFocus(grandchild);
    setTimer(child, 1, 100);

    EXPECT_TRUE(destroyWindow(main));
    EXPECT_EQ(log, (std::vector<std::string>{"0:box:0002:0", "0:box:0082:0", "0:main:0002:0", "0:child:0002:0",
                                             "0:grandchild:0002:0", "0:grandchild:0082:0", "0:child:0082:0",
                                             "0:main:0082:0"}));
    for (Hwnd h : {main, child, grandchild, box}) EXPECT_FALSE(isWindow(h));
    EXPECT_TRUE(isWindow(unrelated));
    EXPECT_EQ(getWindow(getDesktopWindow(), GW_CHILD), unrelated);
    EXPECT_EQ(getFocus(), 0u);

    // Handles of destroyed windows fail safely and are not reused.
    EXPECT_FALSE(destroyWindow(main));
    EXPECT_FALSE(postMessage(child, WM_USER, 0, 0));
    EXPECT_EQ(sendMessage(child, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(getWindowText(child), "");
    EXPECT_EQ(getWindow(grandchild, GW_HWNDNEXT), 0u);
    EXPECT_FALSE(killTimer(child, 1));
    EXPECT_GT(makeWindow("new", 0, {}), unrelated);

    // Windows a thread leaves behind are destroyed when it ends, so their
    // procedures can free what they hold.
    log.clear();
    Hwnd left = 0;
    ASSERT_TRUE(desktop.call("app", [&] {
        left = makeWindow("left", 0, {});
        makeWindow("leftChild", WS_CHILD, {}, left);
    }));
    EXPECT_FALSE(isWindow(left));
    EXPECT_EQ(log, (std::vector<std::string>{"0:left:0002:0", "0:leftChild:0002:0", "0:leftChild:0082:0",
                                             "0:left:0082:0"}));
}

TEST_F(SimTest, TextAndClassNameAreTruncatedToTheBuffer) {
    std::string longCaption(300, 'x');
    longCaption += "東京";
    Hwnd w = makeWindow(longCaption, 0, {}, 0, 0, 0, "Static");
    EXPECT_EQ(getWindowText(w), std::string(255, 'x'));
    EXPECT_EQ(getWindowText(w, 4), "xxx");
    EXPECT_EQ(getWindowText(w, 1), "");
    EXPECT_EQ(getWindowText(w, 0), "");
    EXPECT_EQ(getWindowText(w, 1000), longCaption);
    EXPECT_EQ(getClassName(w, 4), "Sta");
    EXPECT_EQ(getClassName(w), "Static");

    // WM_GETTEXT writes at most wParam - 1 bytes and the NUL, never more.
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(sendMessage(w, WM_GETTEXT, 5, reinterpret_cast<Lparam>(buffer)), 4);
    EXPECT_EQ(std::string(buffer, 6), std::string("xxxx\0#", 6));
    EXPECT_EQ(sendMessage(w, WM_GETTEXTLENGTH, 0, 0), 304);
    EXPECT_TRUE(setWindowText(w, "新"));
    EXPECT_EQ(getWindowText(w), "新");
}

TEST_F(SimTest, EnableAndShowReportThePreviousStateAndNotify) {
    logged = {WM_ENABLE, WM_SHOWWINDOW};
    Hwnd w = makeWindow("w", 0, {});
    EXPECT_FALSE(enableWindow(w, false));  // was enabled
    EXPECT_FALSE(isWindowEnabled(w));
    EXPECT_TRUE(enableWindow(w, false));   // no change, no message
    EXPECT_TRUE(enableWindow(w, true));
    EXPECT_FALSE(showWindow(w, SW_SHOW));
    EXPECT_TRUE(showWindow(w, SW_HIDE));
    EXPECT_EQ(log, (std::vector<std::string>{"0:w:000A:0", "0:w:000A:1", "0:w:0018:1", "0:w:0018:0"}));
}

// Each thread keeps its own focus on Windows: a program that takes the focus
// for one of its windows does not wait for the program that had it, even
// while that program is busy; the other window hears of it when its thread
// next takes its messages.
TEST_F(SimTest, TakingTheFocusFromAnotherProgramDoesNotWaitForIt) {
    logged = {WM_KILLFOCUS};
    Hwnd list = 0;
    desktop.startProgram("ornel", "", [&] {
        list = makeWindow("list", WS_VISIBLE, {0, 0, 100, 100});
        setFocus(list);
        plat::sleep(5000);  // operating the other program, without looking at messages
        Msg msg;
        while (peekMessage(msg, true)) dispatchMessage(msg);
    });
    std::int64_t focusTakenAt = -1;
    Hwnd field = 0;
    desktop.startProgram("client", "", [&] {
        plat::sleep(1000);
        field = makeWindow("field", WS_VISIBLE, {0, 0, 100, 100});
        setFocus(field);
        focusTakenAt = desktop.virtualMs();
        plat::sleep(10000);
    });
    EXPECT_TRUE(desktop.run());
    EXPECT_EQ(focusTakenAt, 1000);
    EXPECT_EQ(log, (std::vector<std::string>{"5000:list:0008:" + std::to_string(field)}))
        << "the list heard of it when its thread looked at its messages";
}
