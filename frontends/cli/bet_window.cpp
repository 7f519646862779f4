#include "frontends/cli/bet_window.h"

#include <memory>
#include <utility>

#include "betdata/bet_grammar.h"
#include "betdata/bet_list_edit.h"
#include "betdata/bet_status.h"
#include "driver/client_connector.h"
#include "driver/driver_settings.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace cli {

namespace {

using namespace plat;

constexpr int kIdStatusBox = 1001;
constexpr int kIdHelpButton = 57671;
constexpr Uint kTickTimer = 1;
constexpr Uint kTickMs = 2000;
constexpr Wparam kListTextLimit = 20480;

constexpr Dword kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;

// The main window's layout in dialog units.
DialogTemplate mainWindowTemplate() {
    DialogTemplate t;
    t.caption = app::kProgramCaption;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
    t.cx = 185;
    t.cy = 215;
    t.fontName = "ＭＳ ゴシック";
    t.pointSize = 9;
    t.items = {
        {kIdStatusBox, "Edit", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL, 3, 1, 119, 36},
        {ui::kIdBetList, "Edit", "", ES_MULTILINE | ES_UPPERCASE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
         3, 39, 179, 173},
        {ui::kIdBetButton, "Button", ui::kBetCaption, kButtonStyle, 124, 4, 19, 14},
        {ui::kIdLoadButton, "Button", "読込", kButtonStyle, 124, 21, 19, 14},
        {ui::kIdMergeButton, "Button", "ﾏ-ｼﾞ", kButtonStyle, 143, 4, 19, 14},
        {ui::kIdClearButton, "Button", "ｸﾘｱ", kButtonStyle, 143, 21, 19, 14},
        {ui::kIdAutoButton, "Button", "AUTO", kButtonStyle, 162, 21, 20, 14},
        {kIdHelpButton, "Button", "？", kButtonStyle, 162, 4, 20, 14},
    };
    return t;
}

void pressBet(Hwnd window) {
    postMessage(window, WM_COMMAND, makeWparam(ui::kIdBetButton, static_cast<int>(BN_CLICKED)), 0);
}

}  // namespace

BetWindow::BetWindow(BetRunWorld& world, std::string betText, int stopAfterLines)
    : Dialog(mainWindowTemplate()), world_(world), betText_(std::move(betText)), stopAfterLines_(stopAfterLines) {}

bool BetWindow::onInitDialog() {
    app::Settings& s = world_.settings;
    world_.driver.mainWindow.store(hwnd());
    world_.notifier.setOwner(hwnd());
    driver::LoadDriverSettings(s, world_.state);
    driver::SetDriverFlags(world_.state, s.accInp, s.autoPat, s.skipAnn, s.forceMode);
    sendMessage(list(), EM_LIMITTEXT, kListTextLimit, 0);
    setTimer(hwnd(), kTickTimer, kTickMs);
    world_.clock.store(plat::now());
    // Today's bet file and the newest vote log, as the start-up finds them,
    // so that the vote log of the run is read when it has finished.
    const LocalTime today = localTime(world_.clock.load());
    betdata::NextBetFilePath(world_.betFile, s.betFileDir, betdata::BetFileDate{today.year, today.month, today.day});
    clientdata::VoteLogContext voteLog{world_.terms, world_.voteLog, world_.betFile, s.pat95Dir, *this};
    clientdata::RefreshVoteLog(voteLog, world_.clock.load());
    showBetStatus();
    watchLineReads();
    // The bet text as typed into the list, then Enter on its first line.
    sendMessage(list(), EM_SETSEL, 0, -1);
    sendMessage(list(), EM_REPLACESEL, 0, reinterpret_cast<Lparam>(betText_.c_str()));
    sendMessage(list(), EM_SETSEL, 0, 0);
    reparseRequest(false);
    pressBet(hwnd());
    return true;
}

bool BetWindow::onCommand(int id, int) {
    if (id != ui::kIdBetButton) return false;
    if (world_.runState.load() == driver::kRunIdle) pressedAt_ = tickCount();
    ui::BetCommand bet = command();
    ui::OnBet(bet);
    // Nothing to place (or the limits refused): there is no run to wait for.
    if (world_.runState.load() == driver::kRunIdle) finish();
    return true;
}

Lresult BetWindow::onMessage(Uint message, Wparam wParam, Lparam, bool& handled) {
    handled = message == WM_TIMER && wParam == kTickTimer;
    if (handled) onTimer();
    return 0;
}

void BetWindow::onTimer() {
    world_.clock.store(plat::now());
    if (!ui::RunHasEnded(world_.runState)) return;
    runResult_ = world_.runState.load();
    ui::BetCommand bet = command();
    ui::FinishRun(bet);
    finish();
}

void BetWindow::finish() {
    killTimer(hwnd(), kTickTimer);
    runMs_ = tickCount() - pressedAt_;
    const auto length = static_cast<std::size_t>(sendMessage(list(), WM_GETTEXTLENGTH, 0, 0));
    listAfter_ = getWindowText(list(), length + 1);
    endDialog(IDOK);
}

// STOP, pressed as soon as the run has read the given number of lines.
void BetWindow::watchLineReads() {
    if (stopAfterLines_ <= 0) return;
    auto base = std::make_shared<WndProc>();
    *base = setWindowProc(list(), [this, base](Hwnd w, Uint m, Wparam wp, Lparam lp) {
        const Lresult result = callWindowProc(*base, w, m, wp, lp);
        if (m == EM_GETLINE && world_.runState.load() == driver::kRunRunning && ++linesRead_ == stopAfterLines_)
            pressBet(hwnd());
        return result;
    });
}

// ---- the main window's handlers ----

void BetWindow::reparseRequest(bool skipTermsCheck) {
    // Nothing to do on the empty line after the last bet.
    const Hwnd edit = list();
    const Lresult line = sendMessage(edit, EM_LINEFROMCHAR, static_cast<Wparam>(-1), 0);
    const Lresult lastLine = sendMessage(edit, EM_GETLINECOUNT, 0, 0) - 1;
    const Lresult lineStart = sendMessage(edit, EM_LINEINDEX, static_cast<Wparam>(line), 0);
    if (line == lastLine && sendMessage(edit, EM_LINELENGTH, static_cast<Wparam>(lineStart), 0) == 0) return;
    WaitCursor wait;
    const Hwnd foreground = getForegroundWindow();
    betdata::EditBetList text(edit);
    driver::ClientConnector connector(world_.driver);
    betdata::BetListContext context{text, world_.list, world_.terms, world_.notifier, &connector};
    betdata::ParseBetList(context, skipTermsCheck);
    showBetStatus();
    if (foreground != 0) setForegroundWindow(foreground);
}

void BetWindow::clearCommand() {
    betdata::EditBetList(list()).clear();
    world_.list.listCount.store(0);
    world_.list.listTotal.store(0);
    showBetStatus();
    focusBetList();
}

void BetWindow::focusBetList() {
    setFocus(list());
    sendMessage(list(), EM_SETSEL, static_cast<Wparam>(-1), 0);
    sendMessage(list(), EM_SCROLLCARET, 0, 0);
}

void BetWindow::autoToggle() {
    bool& on = world_.control.autoMode;
    on = !on;
    setWindowText(item(ui::kIdAutoButton), on ? "MANU" : "AUTO");
    for (const int id : {ui::kIdBetList, ui::kIdLoadButton, ui::kIdClearButton, ui::kIdBetButton, ui::kIdMergeButton})
        enableWindow(item(id), !on);
    if (!on) focusBetList();
}

void BetWindow::loadNewVoteLog() {
    clientdata::VoteLogState& state = world_.voteLog;
    if (!betdata::FileHasData(state.nextLogPath)) return;
    clientdata::VoteLogContext voteLog{world_.terms, state, world_.betFile, world_.settings.pat95Dir, *this};
    if (clientdata::LoadVoteLog(voteLog, state.nextLogPath, world_.clock.load()) > 0) showBetStatus();
}

std::string BetWindow::mainCaption() { return getWindowText(hwnd()); }

void BetWindow::setMainCaption(const std::string& caption) { setWindowText(hwnd(), caption); }

void BetWindow::showBetStatus() { betdata::ShowBetStatus(item(kIdStatusBox), world_.list, world_.terms); }

void BetWindow::storeCurrentInfo(const std::string& line) { world_.settings.currentInfo = line; }

}  // namespace cli
