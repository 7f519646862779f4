#include "hand.h"

#include <functional>

#include "platform/clock.h"

namespace hand {

namespace {

using namespace plat;

double scaleX = 1.0;
double scaleY = 1.0;

bool clientHolds(Hwnd w, int x, int y) {
    Rect client;
    return getClientRect(w, client) && x >= 0 && y >= 0 && x <= client.width() && y <= client.height();
}

bool prefixed(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

Hwnd searchTree(Hwnd w, int x, int y, const std::function<bool(Hwnd)>& matches) {
    if (matches(w) && clientHolds(w, x, y)) return w;
    Rect parent;
    getWindowRect(w, parent);
    for (Hwnd c = getWindow(w, GW_CHILD); c != 0; c = getWindow(c, GW_HWNDNEXT)) {
        Rect child;
        getWindowRect(c, child);
        if (Hwnd found = searchTree(c, x + parent.left - child.left, y + parent.top - child.top, matches)) {
            return found;
        }
    }
    return 0;
}

// Every top window of that class and caption, from the first found on.
Hwnd searchTops(const char* className, const char* caption, int x, int y, const std::function<bool(Hwnd)>& matches) {
    const Point p = scaled(x, y);
    for (Hwnd top = findWindow(className, caption); top != 0; top = getWindow(top, GW_HWNDNEXT)) {
        if (getClassName(top) != className || getWindowText(top) != caption) continue;
        if (Hwnd found = searchTree(top, p.x, p.y, matches)) return found;
    }
    return 0;
}

Hwnd topOf(Hwnd w) {
    // Through child windows only: a pop-up's getParent is its owner.
    while ((getStyle(w) & WS_CHILD) && getParent(w) != 0) w = getParent(w);
    return w;
}

}  // namespace

void calibrate(const char* className, const char* caption, int designWidth, int designHeight) {
    Rect r;
    getWindowRect(findWindow(className, caption), r);
    scaleX = static_cast<double>(r.width()) / designWidth;
    scaleY = static_cast<double>(r.height()) / designHeight;
}

Factors factors() { return {scaleX, scaleY}; }

void useFactors(Factors f) {
    scaleX = f.x;
    scaleY = f.y;
}

Point scaled(int x, int y) { return {static_cast<int>(x * scaleX), static_cast<int>(y * scaleY)}; }

Hwnd waitTop(const char* className, const char* caption, std::uint32_t timeoutMs) {
    for (std::uint32_t waited = 0;; waited += kStep) {
        if (Hwnd w = findWindow(className, caption)) return w;
        if (waited >= timeoutMs) return 0;
        plat::sleep(kStep);
    }
}

bool waitGone(const char* className, const char* caption, std::uint32_t timeoutMs) {
    for (std::uint32_t waited = 0;; waited += kStep) {
        if (findWindow(className, caption) == 0) return true;
        if (waited >= timeoutMs) return false;
        plat::sleep(kStep);
    }
}

Hwnd findByCaption(const char* className, const char* caption, int x, int y, const std::string& prefix) {
    return searchTops(className, caption, x, y, [&](Hwnd w) { return prefixed(getWindowText(w), prefix); });
}

Hwnd findByClass(const char* className, const char* caption, int x, int y, const std::string& classPrefix) {
    return searchTops(className, caption, x, y, [&](Hwnd w) { return prefixed(getClassName(w), classPrefix); });
}

Hwnd findAt(const char* className, const char* caption, int x, int y) {
    return searchTops(className, caption, x, y, [](Hwnd w) { return getWindow(w, GW_CHILD) == 0; });
}

Hwnd findDeepestAt(const char* className, const char* caption, int x, int y) {
    Hwnd w = findWindow(className, caption);
    Point p = scaled(x, y);
    while (w != 0 && getWindow(w, GW_CHILD) != 0) {
        Rect parent;
        getWindowRect(w, parent);
        Hwnd next = 0;
        for (Hwnd c = getWindow(w, GW_CHILD); c != 0 && next == 0; c = getWindow(c, GW_HWNDNEXT)) {
            Rect r;
            getWindowRect(c, r);
            const int left = r.left - parent.left;
            const int top = r.top - parent.top;
            if (p.x >= left && p.x <= left + r.width() && p.y >= top && p.y <= top + r.height()) {
                next = c;
                p = {p.x - left, p.y - top};
            }
        }
        w = next;
    }
    return w;
}

Hwnd searchByCaption(Hwnd from, int x, int y, const std::string& prefix) {
    return searchTree(from, x, y, [&](Hwnd w) { return prefixed(getWindowText(w), prefix); });
}

Hwnd waitByCaption(const char* className, const char* caption, int x, int y, const std::string& prefix,
                   std::uint32_t timeoutMs) {
    for (std::uint32_t waited = 0;; waited += kStep) {
        if (Hwnd w = findByCaption(className, caption, x, y, prefix)) return w;
        if (waited >= timeoutMs) return 0;
        plat::sleep(kStep);
    }
}

void clickAt(Hwnd window, Point client) {
    const Lparam at = makeLparam(client.x, client.y);
    postMessage(window, WM_MOUSEMOVE, 0, at);
    plat::sleep(kStep);
    postMessage(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    plat::sleep(kStep);
    postMessage(window, WM_LBUTTONUP, 0, at);
    plat::sleep(kStep);
}

Point clientPoint(Hwnd top, Hwnd window, Point inTop) {
    Rect topRect;
    getWindowRect(top, topRect);
    Point p{topRect.left + inTop.x, topRect.top + inTop.y};
    screenToClient(window, p);
    return p;
}

bool click(const char* className, const char* caption, int x, int y, const std::string& prefix) {
    const Hwnd control = findByCaption(className, caption, x, y, prefix);
    if (control == 0 || !isWindowEnabled(control)) return false;
    clickAt(control, clientPoint(topOf(control), control, scaled(x, y)));
    return true;
}

void type(Hwnd window, const std::string& bytes) {
    for (const char c : bytes) postMessage(window, WM_CHAR, static_cast<unsigned char>(c), 0);
    plat::sleep(kStep);
}

bool typeAt(const char* className, const char* caption, int x, int y, const std::string& bytes) {
    const Hwnd field = findDeepestAt(className, caption, x, y);
    if (field == 0) return false;
    type(field, bytes);
    return true;
}

void pressKey(Hwnd window, Wparam key, int times) {
    for (int i = 0; i < times; ++i) {
        postMessage(window, WM_KEYDOWN, key, 0);
        postMessage(window, WM_KEYUP, key, 0);
        plat::sleep(kStep);
    }
}

bool check(const char* className, const char* caption, int x, int y, const std::string& prefix) {
    const Hwnd option = findByCaption(className, caption, x, y, prefix);
    if (option == 0) return false;
    if (isWindowEnabled(option)) sendMessage(option, BM_SETCHECK, BST_CHECKED, 0);
    plat::sleep(2 * kStep);
    return true;
}

bool selectItem(const char* caption, const std::string& framePrefix, const std::string& item, int x, int y) {
    const Hwnd frame = findByCaption(kForm, caption, x, y, framePrefix);
    const Hwnd combo = frame != 0 ? getWindow(frame, GW_CHILD) : 0;
    if (combo == 0) return false;
    clickAt(combo, clientPoint(topOf(combo), combo, scaled(x, y)));
    return moveToItem(combo, item);
}

bool moveToItem(Hwnd combo, const std::string& item) {
    const int count = static_cast<int>(sendMessage(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char buffer[64] = {};
        sendMessage(combo, CB_GETLBTEXT, static_cast<Wparam>(i), reinterpret_cast<Lparam>(buffer));
        if (item != buffer) continue;
        const int current = static_cast<int>(sendMessage(combo, CB_GETCURSEL, 0, 0));
        const int moves = current < 0 ? i + 1 : current > i ? current - i : i - current;
        pressKey(combo, current > i ? VK_UP : VK_DOWN, moves);
        return sendMessage(combo, CB_GETCURSEL, 0, 0) == i;
    }
    return false;
}

bool waitHidden(Hwnd window, std::uint32_t timeoutMs) {
    for (std::uint32_t waited = 0;; waited += kStep) {
        if (!(getStyle(window) & WS_VISIBLE)) return true;
        if (waited >= timeoutMs) return false;
        plat::sleep(kStep);
    }
}

std::string text(Hwnd window) {
    const auto length = sendMessage(window, WM_GETTEXTLENGTH, 0, 0);
    return getWindowText(window, static_cast<std::size_t>(length > 0 ? length : 0) + 1);
}

Hwnd boxText(const char* caption, int x, int y, const std::string& prefix, std::uint32_t timeoutMs) {
    return waitByCaption(kBox, caption, x, y, prefix, timeoutMs);
}

bool answerBox(const char* caption, int x, int y, const std::string& button) {
    return click(kBox, caption, x, y, button);
}

bool clickAnywhere(const char* className, const char* caption, const std::string& prefix) {
    std::function<Hwnd(Hwnd)> first = [&](Hwnd w) -> Hwnd {
        if (prefixed(getWindowText(w), prefix)) return w;
        for (Hwnd c = getWindow(w, GW_CHILD); c != 0; c = getWindow(c, GW_HWNDNEXT)) {
            if (Hwnd found = first(c)) return found;
        }
        return 0;
    };
    const Hwnd top = findWindow(className, caption);
    const Hwnd control = top != 0 ? first(top) : 0;
    if (control == 0 || !isWindowEnabled(control)) return false;
    Rect client;
    getClientRect(control, client);
    clickAt(control, {client.width() / 2, client.height() / 2});
    return true;
}

}  // namespace hand
