// The window dump: which of the client's windows are written, in which
// order and at which depth, the columns of a line, and the blocks appended
// to WinSnap.Txt at the drive root.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>

#include "platform/clock.h"
#include "platform/window.h"
#include "support/dialog_desktop.h"
#include "ui/window_dump.h"

namespace uitest {
namespace {

using testsupport::u8;

// Monday 7 December 1998, 10:00 (Asia/Tokyo), and a little later.
constexpr std::int64_t kClock = 912992400 + 5 * 60 + 9;

// A stand-in for the betting client: its hidden main window owns a form
// with controls, and message boxes appear over both.
class WindowDumpTest : public testsupport::DialogDesktopTest {
protected:
    struct Windows {
        plat::Hwnd main = 0, form = 0, panel = 0, field = 0, button = 0;
        plat::Hwnd rootBox = 0, formBox = 0, otherOwned = 0, stranger = 0;
    };

    // Builds the client's windows on its own thread, which then waits for
    // messages (so they stay).  extra runs last, on that thread.
    void startClient(std::function<void(Windows&)> extra = {}) {
        desktop_.startProgram("client", dir_.path() + "client.exe", [this, extra] {
            plat::registerClass("ThunderRTMain", plat::defWindowProc);
            plat::registerClass("ThunderRTForm", plat::defWindowProc);
            Windows& w = windows_;
            w.main = create("ThunderRTMain", "JRA PAT for Win 95", plat::WS_POPUP, {0, 0, 10, 10});
            w.form = create("ThunderRTForm", "JRA PAT for Win95", plat::WS_POPUP | plat::WS_CAPTION | plat::WS_VISIBLE,
                            {20, 30, 731, 147}, w.main);
            w.panel = child("Static", "", w.form, {5, 5, 200, 60}, 0);
            w.field = child("Edit", "", w.panel, {1, 2, 51, 22}, 1001);
            w.button = child("Button", "終　了", w.form, {640, 50, 700, 80}, 1002);
            w.rootBox = create("#32770", "ﾒｯｾｰｼﾞ", plat::WS_POPUP | plat::WS_VISIBLE, {100, 100, 300, 200}, w.main);
            w.formBox = create("#32770", "ｴﾗｰﾒｯｾｰｼﾞ", plat::WS_POPUP | plat::WS_VISIBLE, {100, 100, 300, 200}, w.form);
            w.otherOwned = create("#32770", "投票", plat::WS_POPUP | plat::WS_VISIBLE, {0, 0, 50, 50}, w.form);
            w.stranger = create("ThunderRTForm", "ﾒｯｾｰｼﾞ", plat::WS_POPUP, {0, 0, 50, 50});
            if (extra) extra(w);
            plat::Msg msg;
            while (plat::getMessage(msg)) plat::dispatchMessage(msg);
        });
        desktop_.run(1000);
    }

    static plat::Hwnd create(const char* cls, const char* caption, plat::Dword style, plat::Rect rect,
                             plat::Hwnd owner = 0) {
        plat::CreateParams p;
        p.className = cls;
        p.caption = caption;
        p.style = style;
        p.rect = rect;
        p.owner = owner;
        return plat::createWindow(p);
    }
    static plat::Hwnd child(const char* cls, const char* caption, plat::Hwnd parent, plat::Rect rect, int id) {
        plat::CreateParams p;
        p.className = cls;
        p.caption = caption;
        p.style = plat::WS_CHILD | plat::WS_VISIBLE;
        p.rect = rect;
        p.parent = parent;
        p.id = id;
        return plat::createWindow(p);
    }

    void dump() {
        onProgram([](plat::Hwnd) { ui::DumpClientWindows(kClock); });
    }
    std::string dumpFile() const { return testsupport::readBytes(dir_.file(ui::kDumpFileName)); }

    // Each window line as "indentation handle" (the first column).
    std::vector<std::string> firstColumns() const {
        std::vector<std::string> columns;
        std::istringstream in(dumpFile());
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line == "\r" || line.rfind("WinSnap", 0) == 0) continue;
            columns.push_back(line.substr(0, line.find(' ', line.find_first_not_of(' '))));
        }
        return columns;
    }
    static std::string column(int depth, plat::Hwnd w) {
        char text[32];
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(w));
        return std::string(2 * depth, ' ') + text;
    }

    Windows windows_;
};

TEST_F(WindowDumpTest, WithoutTheClientNoFileIsWritten) {
    dump();
    EXPECT_FALSE(std::filesystem::exists(dir_.file(ui::kDumpFileName)));
}

TEST_F(WindowDumpTest, TheClientsWindowsAreWrittenTreeByTreeAndABoxOwnedByTheRootTwice) {
    startClient();
    dump();
    const Windows& w = windows_;
    // The top-level walk runs from the top of the z-order (the newest
    // window first): the root's box, the form with its children and then
    // its own client box, the root; then, under the root, its box again.
    // The window owned by the form that is not a client box and the
    // stranger are not written.
    EXPECT_EQ((std::vector<std::string>{column(0, w.rootBox), column(0, w.form), column(1, w.panel),
                                        column(2, w.field), column(1, w.button), column(0, w.formBox),
                                        column(0, w.main), column(0, w.rootBox)}),
              firstColumns());
}

TEST_F(WindowDumpTest, EachDumpAppendsABlockUnderTheProgramClock) {
    startClient();
    dump();
    const std::string once = dumpFile();
    ASSERT_EQ(0u, once.find("\r\n\r\nWinSnap ( 07 10 05 09 )\r\n"));
    dump();
    EXPECT_EQ(once + once, dumpFile());
}

TEST_F(WindowDumpTest, ALineHoldsEveryColumnInItsFormat) {
    startClient();
    dump();
    const Windows& w = windows_;
    plat::Rect window, client;
    plat::getWindowRect(w.button, window);
    plat::getClientRect(w.button, client);
    char expected[512];
    std::snprintf(expected, sizeof expected,
                  "  %04X \"Button\" \"%s\" (%4d,%4d)-(%4d,%4d)%4d*%-4d (%4d,%4d)-(%4d,%4d)%4d*%-4d %08X %08X "
                  "0000 0000 %04X 0000 %04X 0000 000003EA \r\n",
                  static_cast<unsigned>(w.button), "終　了", window.left, window.top, window.right, window.bottom,
                  window.width(), window.height(), 0, 0, client.right, client.bottom, client.width(),
                  client.height(), static_cast<unsigned>(plat::getStyle(w.button)),
                  static_cast<unsigned>(plat::getExStyle(w.button)), static_cast<unsigned>(w.form),
                  static_cast<unsigned>(w.panel));
    const std::string file = dumpFile();
    EXPECT_NE(std::string::npos, file.find(expected)) << u8(file);
    // A window without caption: two quotes and a blank; the owner twice,
    // and as the form is a pop-up, GetParent answers its owner too.
    char panel[64];
    std::snprintf(panel, sizeof panel, "  %04X \"Static\" \"\" (", static_cast<unsigned>(w.panel));
    EXPECT_NE(std::string::npos, file.find(panel));
    char form[64];
    std::snprintf(form, sizeof form, " %04X %04X %04X %04X ", static_cast<unsigned>(w.main),
                  static_cast<unsigned>(w.main), static_cast<unsigned>(w.main), static_cast<unsigned>(w.panel));
    EXPECT_NE(std::string::npos, file.find(form));
}

TEST_F(WindowDumpTest, DeepNestingIsWrittenWithTheIndentationCapped) {
    constexpr int kLevels = ui::kMaxDumpDepth + 3;
    plat::Hwnd deepest = 0;
    startClient([&](Windows& w) {
        plat::Hwnd parent = w.button;
        for (int level = 0; level < kLevels; ++level) parent = child("Static", "x", parent, {0, 0, 5, 5}, 0);
        deepest = parent;
    });
    dump();
    const std::vector<std::string> columns = firstColumns();
    const auto at = std::find(columns.begin(), columns.end(), column(ui::kMaxDumpDepth, deepest));
    EXPECT_NE(columns.end(), at);  // written, at the capped depth
    for (const std::string& c : columns) EXPECT_LE(c.find_first_not_of(' '), 2u * ui::kMaxDumpDepth);
}

}  // namespace
}  // namespace uitest
