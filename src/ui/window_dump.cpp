#include "ui/window_dump.h"

#include <algorithm>
#include <string>

#include "driver/client_forms.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace ui {

namespace {

// The client's hidden main window, which owns its forms.
constexpr const char* kClientMainClass = "ThunderRTMain";
constexpr const char* kClientMainCaption = "JRA PAT for Win 95";

constexpr std::size_t kTextBufferSize = 256;  // class names and captions are read into this
constexpr const char* kHeaderFormat = "\n\nWinSnap ( %s )\n";
constexpr const char* kClockFormat = "%d %H %M %S";

unsigned handle(plat::Hwnd window) { return static_cast<unsigned>(window); }

bool isClientMessageBox(plat::Hwnd window) {
    const std::string caption = plat::getWindowText(window, kTextBufferSize);
    return caption == driver::kClientInfoBox.caption || caption == driver::kClientErrorBox.caption;
}

// The top-level windows, from the top of the z-order.
template <typename Visit>
void forEachTopLevel(Visit visit) {
    for (plat::Hwnd w = plat::getWindow(plat::getDesktopWindow(), plat::GW_CHILD); w != 0;
         w = plat::getWindow(w, plat::GW_HWNDNEXT))
        visit(w);
}

void printRect(plat::TextFile& file, const plat::Rect& r) {
    file.print("(%4d,%4d)-(%4d,%4d)%4d*%-4d ", r.left, r.top, r.right, r.bottom, r.width(), r.height());
}

}  // namespace

void DumpWindowLine(plat::TextFile& file, int depth, plat::Hwnd window) {
    const std::string indent(2 * static_cast<std::size_t>(std::clamp(depth, 0, kMaxDumpDepth)), ' ');
    plat::Rect windowRect, clientRect;
    plat::getWindowRect(window, windowRect);
    plat::getClientRect(window, clientRect);
    const plat::Hwnd owner = plat::getWindow(window, plat::GW_OWNER);
    file.print("%s%04X ", indent.c_str(), handle(window));
    file.print("\"%s\" ", plat::getClassName(window, kTextBufferSize).c_str());
    file.print("\"%s\" ", plat::getWindowText(window, kTextBufferSize).c_str());
    printRect(file, windowRect);
    printRect(file, clientRect);
    file.print("%08X ", static_cast<unsigned>(plat::getStyle(window)));
    file.print("%08X ", static_cast<unsigned>(plat::getExStyle(window)));
    file.print("%04X ", handle(owner));
    file.print("%04X ", handle(owner));
    file.print("%04X ", handle(plat::getParent(window)));
    file.print("%04X ", handle(plat::getWindow(window, plat::GW_CHILD)));
    file.print("%04X ", handle(plat::getWindow(window, plat::GW_HWNDPREV)));
    file.print("%04X ", handle(plat::getWindow(window, plat::GW_HWNDNEXT)));
    file.print("%08X \n", static_cast<unsigned>(plat::getDlgCtrlId(window)));
}

void DumpWindowTree(plat::TextFile& file, int depth, plat::Hwnd window) {
    DumpWindowLine(file, depth, window);
    for (plat::Hwnd child = plat::getWindow(window, plat::GW_CHILD); child != 0;
         child = plat::getWindow(child, plat::GW_HWNDNEXT))
        DumpWindowTree(file, depth + 1, child);
    forEachTopLevel([&](plat::Hwnd w) {
        if (plat::getWindow(w, plat::GW_OWNER) == window && isClientMessageBox(w)) DumpWindowTree(file, 0, w);
    });
}

void DumpClientWindows(std::int64_t programClock) {
    const plat::Hwnd main = plat::findWindow(kClientMainClass, kClientMainCaption);
    if (main == 0) return;
    plat::TextFile file;
    if (!file.open(plat::driveRoot() + kDumpFileName, plat::TextFile::Mode::Append)) return;
    file.print(kHeaderFormat, plat::formatTime(programClock, kClockFormat).c_str());
    const plat::Hwnd owner = plat::getWindow(main, plat::GW_OWNER);
    const plat::Hwnd root = owner != 0 ? owner : main;
    forEachTopLevel([&](plat::Hwnd w) {
        if (w == root || plat::getWindow(w, plat::GW_OWNER) == root) DumpWindowTree(file, 0, w);
    });
    file.close();
}

}  // namespace ui
