#include "frontends/simhome/program_run.h"

#include <memory>

#include "platform/dialog.h"
#include "platform/window.h"
#include "platform/sim/scripted_user.h"
#include "ui/main_window_layout.h"

namespace simhome {

namespace {

constexpr const char* kUserProgram = "user";
constexpr const char* kButtonClass = "Button";
constexpr plat::Wparam kCtrlV = 0x16;
// Where the user right-clicks: a spot of the window's own client area
// beside the buttons, above the BetList.
constexpr plat::Point kContextClick{4, 4};

}  // namespace

ProgramRun::ProgramRun(OrnelDesktop& desk, app::ProgramOptions options)
    : desk_(desk), program_(std::make_shared<app::Application>(std::move(options))) {}

ProgramRun::~ProgramRun() = default;

bool ProgramRun::start(std::int64_t maxMs) {
    // The process keeps its application object until it ends, whenever the
    // desktop winds it up.
    desk_.startOrnel([program = program_] { program->run(); });
    const bool up = desk_.desktop().runUntil([this] { return mainWindow() != 0 || ended(); }, maxMs);
    return up && mainWindow() != 0 && settle(maxMs);
}

bool ProgramRun::settled() const { return windowWaiting() && desk_.desktop().programIdle(kOrnelProgram); }

bool ProgramRun::windowWaiting() const {
    const sim::Desktop& desktop = desk_.desktop();
    const plat::Hwnd window = mainWindow();
    return window != 0 && desktop.windowThreadIdle(window) &&
           desktop.modalWindows(kOrnelProgram) == std::vector<plat::Hwnd>{window};
}

bool ProgramRun::settle(std::int64_t maxMs) {
    return desk_.desktop().runUntil([this] { return ended() || settled(); }, maxMs) && !ended();
}

plat::Hwnd ProgramRun::control(int id) const { return plat::getDlgItem(mainWindow(), id); }

std::string ProgramRun::controlText(int id) const {
    const plat::Hwnd c = control(id);
    const auto length = static_cast<std::size_t>(plat::sendMessage(c, plat::WM_GETTEXTLENGTH, 0, 0));
    return plat::getWindowText(c, length + 1);
}

std::vector<ProgramRun::Button> ProgramRun::buttons() const {
    std::vector<Button> found;
    for (plat::Hwnd c = plat::getWindow(mainWindow(), plat::GW_CHILD); c != 0; c = plat::getWindow(c, plat::GW_HWNDNEXT))
        if (plat::getClassName(c) == kButtonClass) found.push_back({plat::getWindowText(c), plat::isWindowEnabled(c)});
    return found;
}

bool ProgramRun::asUser(const std::function<void()>& fn, std::int64_t maxMs) {
    if (!desk_.desktop().call(kUserProgram, fn, maxMs)) return false;
    return ended() || !settleAfterSteps_ || settle(maxMs);
}

bool ProgramRun::click(int buttonId) {
    const plat::Hwnd window = mainWindow();
    return asUser([window, buttonId] { sim::pressButton(window, buttonId); });
}

bool ProgramRun::chooseFromContextMenu(int id) {
    desk_.user().chooseMenuItem(id);
    const plat::Hwnd window = mainWindow();
    return asUser([window] {
        plat::postMessage(window, plat::WM_RBUTTONUP, 0, plat::makeLparam(kContextClick.x, kContextClick.y));
    });
}

bool ProgramRun::chooseFromSystemMenu(int id) {
    const plat::Hwnd window = mainWindow();
    bool chosen = false;
    return asUser([&] { chosen = sim::chooseSystemMenuEntry(window, static_cast<plat::Uint>(id)); }) && chosen;
}

bool ProgramRun::typeIntoList(const std::string& bytes) {
    const plat::Hwnd list = control(ui::kIdBetList);
    return asUser([list, bytes] {
        for (const char c : bytes) plat::sendMessage(list, plat::WM_CHAR, static_cast<unsigned char>(c), 0);
    });
}

bool ProgramRun::pasteIntoList(const std::string& text) {
    const plat::Hwnd list = control(ui::kIdBetList);
    return asUser([list, text] {
        plat::setClipboardText(text);
        plat::sendMessage(list, plat::WM_CHAR, kCtrlV, 0);
    });
}

bool ProgramRun::enterIntoList(const std::string& text) {
    const plat::Hwnd list = control(ui::kIdBetList);
    return asUser([list, text] {
        plat::sendMessage(list, plat::EM_SETSEL, 0, -1);
        plat::sendMessage(list, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(text.c_str()));
        plat::sendMessage(list, plat::EM_SETSEL, 0, 0);
        plat::sendMessage(list, plat::WM_CHAR, plat::VK_RETURN, 0);
    });
}

// Each line of the list is read with EM_GETLINE; the click on STOP is
// posted the moment the last of them has been read.
void ProgramRun::pressStopAfterLines(int lines) {
    if (lines <= 0) return;
    const plat::Hwnd main = mainWindow();
    const plat::Hwnd list = control(ui::kIdBetList);
    const base::RunState& runState = program_->runControl.runState;
    auto previous = std::make_shared<plat::WndProc>();
    auto read = std::make_shared<int>(0);
    *previous = plat::setWindowProc(list, [=, &runState](plat::Hwnd w, plat::Uint m, plat::Wparam wp, plat::Lparam lp) {
        const plat::Lresult result = plat::callWindowProc(*previous, w, m, wp, lp);
        if (m == plat::EM_GETLINE && runState.load() == base::kRunRunning && ++*read == lines)
            plat::postMessage(main, plat::WM_COMMAND, plat::makeWparam(ui::kIdBet, plat::BN_CLICKED), 0);
        return result;
    });
}

bool ProgramRun::placeBets(BetOutcome& out, int stopAfterLines, std::int64_t maxMs) {
    pressStopAfterLines(stopAfterLines);
    sim::Desktop& desktop = desk_.desktop();
    const base::RunState& runState = program_->runControl.runState;
    const std::int64_t pressedAt = desktop.virtualMs();
    const plat::Hwnd main = mainWindow();
    if (!desktop.call(kUserProgram, [main] { sim::pressButton(main, ui::kIdBet); }, maxMs)) return false;
    bool started = false;
    out.result = base::kRunIdle;
    const bool completed = desktop.runUntil(
        [&] {
            const std::int16_t state = runState.load();
            if (state == base::kRunFinished || state == base::kRunFailed) out.result = state;
            started = started || state != base::kRunIdle;
            return started ? state == base::kRunIdle : settled();
        },
        maxMs);
    out.virtualMs = desktop.virtualMs() - pressedAt;
    out.listAfter = controlText(ui::kIdBetList);
    return completed && settle(maxMs);
}

bool ProgramRun::close(std::int64_t maxMs) {
    const plat::Hwnd window = mainWindow();
    if (window == 0) return ended();
    if (!desk_.desktop().call(kUserProgram, [window] { plat::postMessage(window, plat::WM_CLOSE, 0, 0); }, maxMs))
        return false;
    if (!settleAfterSteps_) return true;
    return desk_.desktop().runUntil([this] { return ended() || settled(); }, maxMs);
}

}  // namespace simhome
