#include "sim_fixture.h"

#include <algorithm>
#include <cstdio>

namespace simtest {

namespace {

sim::Desktop::Options optionsFor(bool realTime, int speed) {
    sim::Desktop::Options o;
    o.startTime = kStartTime;
    o.realTime = realTime;
    o.speed = speed;
    return o;
}

}  // namespace

SimTest::SimTest(bool realTime, int speed) : desktop(optionsFor(realTime, speed)) {
    plat::registerClass("Logged", [this](plat::Hwnd h, plat::Uint m, plat::Wparam w, plat::Lparam l) {
        if (std::find(logged.begin(), logged.end(), m) != logged.end()) {
            char line[96];
            std::snprintf(line, sizeof line, "%s:%04X:%lu", plat::getWindowText(h).c_str(), m,
                          static_cast<unsigned long>(w));
            noteAt(line);
        }
        return plat::defWindowProc(h, m, w, l);
    });
    // The standard classes come with the controls; the tests here need only
    // windows of those names.
    for (const char* name : {"Static", "Button"}) {
        if (!plat::classProc(name)) plat::registerClass(name, plat::defWindowProc);
    }
}

plat::Hwnd SimTest::makeWindow(const std::string& caption, plat::Dword style, plat::Rect rect,
                               plat::Hwnd parent, plat::Hwnd owner, int id, const std::string& className) {
    plat::CreateParams p;
    p.className = className;
    p.caption = caption;
    p.style = style;
    p.rect = rect;
    p.parent = parent;
    p.owner = owner;
    p.id = id;
    return plat::createWindow(p);
}

void SimTest::noteAt(const std::string& entry) { log.push_back(std::to_string(desktop.virtualMs()) + ":" + entry); }

std::string hex(plat::Hwnd h) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04lX", static_cast<unsigned long>(h));
    return buffer;
}

}  // namespace simtest
