#include "driver/window_search.h"

#include <cstring>
#include <functional>
#include <string>

#include "driver/driver_waits.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

// Captions and class names are read as GetWindowTextA / GetClassNameA read
// them into the program's buffers.
constexpr std::size_t kNameBuffer = 256;

using Match = std::function<bool(plat::Hwnd window, int x, int y)>;

bool startsWith(const std::string& text, const char* prefix) {
    const std::size_t length = std::strlen(prefix);
    return text.size() >= length && text.compare(0, length, prefix) == 0;
}

bool captionStartsWith(plat::Hwnd window, const char* prefix) {
    return startsWith(plat::getWindowText(window, kNameBuffer), prefix);
}

bool pointInClient(plat::Hwnd window, int x, int y) {
    plat::Rect client;
    if (!plat::getClientRect(window, client)) return false;
    return x >= 0 && x <= client.width() && y >= 0 && y <= client.height();
}

// A caption beginning with the prefix, the point in the client area.
Match captionAt(const char* captionPrefix) {
    return [captionPrefix](plat::Hwnd w, int x, int y) {
        return captionStartsWith(w, captionPrefix) && pointInClient(w, x, y);
    };
}

plat::Hwnd searchTree(plat::Hwnd window, int x, int y, const Match& match) {
    if (match(window, x, y)) return window;
    plat::Rect parent;
    plat::getWindowRect(window, parent);
    for (plat::Hwnd child = plat::getWindow(window, plat::GW_CHILD); child != 0;
         child = plat::getWindow(child, plat::GW_HWNDNEXT)) {
        plat::Rect rect;
        plat::getWindowRect(child, rect);
        const plat::Hwnd found = searchTree(child, x + parent.left - rect.left, y + parent.top - rect.top, match);
        if (found != 0) return found;
    }
    return 0;
}

bool isCandidate(plat::Hwnd window, const char* className, const char* caption) {
    return plat::getClassName(window, kNameBuffer) == className &&
           plat::getWindowText(window, kNameBuffer) == caption;
}

plat::Hwnd searchCandidates(const char* className, const char* caption, int x, int y, const Match& match) {
    for (plat::Hwnd top = plat::findWindow(className, caption); top != 0;
         top = plat::getWindow(top, plat::GW_HWNDNEXT)) {
        if (!isCandidate(top, className, caption)) continue;
        const plat::Hwnd found = searchTree(top, x, y, match);
        if (found != 0) return found;
    }
    return 0;
}

plat::Hwnd poll(const DriverState& driver, std::uint32_t timeoutMs, const std::function<plat::Hwnd()>& find) {
    const Waits waits = CurrentWaits(driver);
    const std::uint32_t attempts = WaitAttempts(timeoutMs, waits.message);
    for (std::uint32_t i = 0; i < attempts; ++i) {
        const plat::Hwnd found = find();
        plat::sleep(waits.message);
        if (found != 0) return found;
    }
    return 0;
}

}  // namespace

plat::Hwnd WaitTopWindow(const DriverState& driver, const char* className, const char* caption,
                         std::uint32_t timeoutMs) {
    return poll(driver, timeoutMs, [&] { return plat::findWindow(className, caption); });
}

plat::Hwnd FindControlByCaption(const char* className, const char* caption, int x, int y,
                                const char* captionPrefix) {
    return searchCandidates(className, caption, x, y, captionAt(captionPrefix));
}

plat::Hwnd FindControlByCaptionIn(plat::Hwnd root, int x, int y, const char* captionPrefix) {
    return root != 0 ? searchTree(root, x, y, captionAt(captionPrefix)) : 0;
}

plat::Hwnd FindControlByClass(const char* className, const char* caption, int x, int y,
                              const char* classPrefix) {
    return searchCandidates(className, caption, x, y, [classPrefix](plat::Hwnd w, int px, int py) {
        return startsWith(plat::getClassName(w, kNameBuffer), classPrefix) && pointInClient(w, px, py);
    });
}

plat::Hwnd FindControlAt(const char* className, const char* caption, int x, int y) {
    return searchCandidates(className, caption, x, y, [](plat::Hwnd w, int px, int py) {
        return plat::getWindow(w, plat::GW_CHILD) == 0 && pointInClient(w, px, py);
    });
}

plat::Hwnd FindControlByCaptionAnywhere(const char* className, const char* caption,
                                        const char* captionPrefix) {
    return searchCandidates(className, caption, 0, 0, [captionPrefix](plat::Hwnd w, int, int) {
        return captionStartsWith(w, captionPrefix);
    });
}

plat::Hwnd FindDeepestAt(const char* className, const char* caption, int x, int y) {
    plat::Hwnd window = plat::findWindow(className, caption);
    while (window != 0) {
        plat::Hwnd child = plat::getWindow(window, plat::GW_CHILD);
        if (child == 0) return window;
        plat::Rect parent;
        plat::getWindowRect(window, parent);
        plat::Hwnd inside = 0;
        for (; child != 0 && inside == 0; child = plat::getWindow(child, plat::GW_HWNDNEXT)) {
            plat::Rect rect;
            plat::getWindowRect(child, rect);
            const int left = rect.left - parent.left;
            const int top = rect.top - parent.top;
            if (x >= left && x <= left + rect.width() && y >= top && y <= top + rect.height()) {
                inside = child;
                x -= left;
                y -= top;
            }
        }
        window = inside;
    }
    return 0;
}

plat::Hwnd WaitControlByCaption(const DriverState& driver, const char* className, const char* caption,
                                int x, int y, const char* captionPrefix, std::uint32_t timeoutMs) {
    return poll(driver, timeoutMs,
                [&] { return FindControlByCaption(className, caption, x, y, captionPrefix); });
}

plat::Hwnd WaitControlByClass(const DriverState& driver, const char* className, const char* caption,
                              int x, int y, const char* classPrefix, std::uint32_t timeoutMs) {
    return poll(driver, timeoutMs, [&] { return FindControlByClass(className, caption, x, y, classPrefix); });
}

}  // namespace driver
