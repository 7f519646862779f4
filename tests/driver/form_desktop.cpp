#include "form_desktop.h"

namespace drivertest {

namespace {

constexpr std::int64_t kStart = 1714525200;  // 2024-05-01 10:00 JST
constexpr plat::Uint kRunNow = plat::WM_USER;
constexpr plat::Uint kRunLater = plat::WM_USER + 1;

sim::Desktop::Options optionsIn(const std::string& directory) {
    sim::Desktop::Options options;
    options.directory = directory;
    options.startTime = kStart;
    return options;
}

}  // namespace

FormDesktopTest::FormDesktopTest() : desktop(optionsIn(dir.path())) {
    desktop.setUser(&user);
    // The forms record the clicks of their controls; the host runs tasks.
    plat::registerClass("ThunderRTForm", [this](plat::Hwnd h, plat::Uint m, plat::Wparam w, plat::Lparam l) -> plat::Lresult {
        if (m == plat::WM_COMMAND && plat::hiWord(w) == static_cast<int>(plat::BN_CLICKED))
            clicked.push_back(plat::loWord(w));
        return plat::defWindowProc(h, m, w, l);
    });
    plat::registerClass("DriverTestHost", [this](plat::Hwnd h, plat::Uint m, plat::Wparam w, plat::Lparam l) -> plat::Lresult {
        if (m == kRunNow) {
            auto tasks = std::move(now_);
            now_.clear();
            for (auto& task : tasks) task();
            return 0;
        }
        if (m == kRunLater) {
            plat::setTimer(h, static_cast<plat::Uint>(l), static_cast<plat::Uint>(w));
            return 0;
        }
        if (m == plat::WM_TIMER) {
            plat::killTimer(h, static_cast<plat::Uint>(w));
            auto task = std::move(later_[static_cast<plat::Uint>(w)]);
            later_.erase(static_cast<plat::Uint>(w));
            if (task) task();
            return 0;
        }
        return plat::defWindowProc(h, m, w, l);
    });
    desktop.startProgram(kClient, "", [this] {
        plat::CreateParams p;
        p.className = "DriverTestHost";
        host_ = plat::createWindow(p);
        plat::Msg msg;
        while (plat::getMessage(msg)) plat::dispatchMessage(msg);
    });
    desktop.runUntil([this] { return host_ != 0; }, 1);
}

FormDesktopTest::~FormDesktopTest() { desktop.setUser(nullptr); }

void FormDesktopTest::onClient(std::function<void()> fn) {
    now_.push_back(std::move(fn));
    plat::postMessage(host_, kRunNow, 0, 0);
    desktop.runUntil([this] { return now_.empty(); }, 1);
}

void FormDesktopTest::onClientAfter(std::uint32_t delayMs, std::function<void()> fn) {
    const plat::Uint id = nextTimer_++;
    later_[id] = std::move(fn);
    // The timer starts when the client takes the request, at this virtual
    // time: nothing else runs before.
    plat::postMessage(host_, kRunLater, delayMs, static_cast<plat::Lparam>(id));
}

std::int64_t FormDesktopTest::asOrnel(const std::function<void()>& fn) {
    const std::int64_t start = desktop.virtualMs();
    EXPECT_TRUE(desktop.call(kOrnel, fn));
    return desktop.virtualMs() - start;
}

plat::Hwnd FormDesktopTest::makeForm(const std::string& caption, plat::Rect rect, const char* className) {
    plat::CreateParams p;
    p.className = className;
    p.caption = caption;
    p.style = kFormStyle;
    p.rect = rect;
    return plat::createWindow(p);
}

plat::Hwnd FormDesktopTest::makeControl(plat::Hwnd parent, const char* className, const std::string& caption,
                                        plat::Rect rect, plat::Dword style) {
    plat::CreateParams p;
    p.className = className;
    p.caption = caption;
    p.style = style | plat::WS_CHILD | plat::WS_VISIBLE;
    p.rect = rect;
    p.parent = parent;
    p.id = nextId_++;
    return plat::createWindow(p);
}

plat::Hwnd FormDesktopTest::form(const std::string& caption, plat::Rect rect, const char* className) {
    plat::Hwnd made = 0;
    onClient([&] { made = makeForm(caption, rect, className); });
    return made;
}

plat::Hwnd FormDesktopTest::control(plat::Hwnd parent, const char* className, const std::string& caption,
                                    plat::Rect rect, plat::Dword style) {
    plat::Hwnd made = 0;
    onClient([&] { made = makeControl(parent, className, caption, rect, style); });
    return made;
}

std::vector<sim::TraceEvent> FormDesktopTest::posts(plat::Uint message) const {
    std::vector<sim::TraceEvent> found;
    for (const sim::TraceEvent& e : desktop.trace()) {
        if (e.kind == sim::TraceEvent::Kind::Post && e.fromProgram == kOrnel &&
            (message == 0 || e.message == message))
            found.push_back(e);
    }
    return found;
}

}  // namespace drivertest
