#include "frontends/cli/script_player.h"

#include <algorithm>

#include "frontends/cli/cli_text.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

using Kind = ScriptStep::Kind;

constexpr std::int64_t kMsPerSecond = 1000;
// `idle` waits at most this long.
constexpr std::int64_t kIdleLimitMs = 3'600'000;
// The start-up (with the client started from 9:00) gets as long.
constexpr std::int64_t kStartLimitMs = 3'600'000;
constexpr const char* kButtonClass = "Button";

// Typed text: a line end is Enter.
std::string typed(const std::string& text) {
    std::string out = text;
    std::replace(out.begin(), out.end(), '\n', '\r');
    return out;
}

// The lines of an edit's text (CR LF between them), without the last
// empty one.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// A Windows text file's content with LF line ends (written back as CR LF).
std::string withLf(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

std::int64_t midnightOf(std::int64_t time) {
    plat::LocalTime day = plat::localTime(time);
    day.hour = day.minute = day.second = 0;
    return plat::fromLocalTime(day);
}

}  // namespace

ScriptPlayer::ScriptPlayer(simhome::ProgramRun& run, sim::Desktop& desktop, ScriptUser& user, ScriptLog& log,
                           Setup setup)
    : run_(run), desktop_(desktop), user_(user), log_(log), setup_(std::move(setup)) {
    run_.setSettleAfterSteps(false);
}

void ScriptPlayer::play(const std::vector<ScriptStep>& steps) {
    for (const ScriptStep& step : steps) {
        if (step.kind == Kind::Answer) {
            user_.queueAnswer(step.match, step.text);
            continue;
        }
        if (step.kind == Kind::Field) {
            user_.queueField(step.match, step.id, step.text);
            continue;
        }
        ensureStarted();
        if (!act(step)) log_.add("skipped line " + std::to_string(step.line) + ": the window is closed");
        poll();
    }
    ensureStarted();
    log_.flush();
}

void ScriptPlayer::ensureStarted() {
    if (started_) return;
    started_ = true;
    run_.start(kStartLimitMs);
    poll();
}

void ScriptPlayer::advance(std::int64_t ms) {
    desktop_.runUntil(
        [this] {
            poll();
            return false;
        },
        ms);
}

void ScriptPlayer::untilTaken() {
    desktop_.runUntil(
        [this] {
            poll();
            return run_.ended() || run_.windowWaiting();
        },
        kIdleLimitMs);
}

void ScriptPlayer::poll() {
    const std::int16_t state = run_.program().runControl.runState.load();
    if (state != lastRunState_) {
        if (lastRunState_ == base::kRunIdle) log_.add("run start");
        if (state == base::kRunFinished || state == base::kRunFailed) lastRunEnd_ = state;
        if (state == base::kRunIdle) log_.add("run end " + std::to_string(lastRunEnd_));
        lastRunState_ = state;
    }
    if (!closedReported_ && run_.ended()) {
        closedReported_ = true;
        log_.add("window closed");
    }
}

// False for a step that needs the window once it has closed.
bool ScriptPlayer::act(const ScriptStep& step) {
    const std::int64_t nowMs = desktop_.virtualMs();
    switch (step.kind) {
    case Kind::At: {
        const std::int64_t targetMs =
            (midnightOf(setup_.startTime) + step.seconds - setup_.startTime) * kMsPerSecond;
        advance(std::max<std::int64_t>(0, targetMs - nowMs));
        return true;
    }
    case Kind::Wait: advance(step.seconds * kMsPerSecond); return true;
    case Kind::Idle:
        desktop_.runUntil(
            [this] {
                poll();
                return run_.ended() ||
                       (run_.program().runControl.runState.load() == base::kRunIdle && run_.settled());
            },
            kIdleLimitMs);
        return true;
    case Kind::Drop: drop(step); return true;
    default: break;
    }
    if (run_.ended()) return false;
    switch (step.kind) {
    case Kind::Click: click(step.caption); break;
    case Kind::Command: command(step.id); break;
    case Kind::Type: run_.typeIntoList(typed(step.text)); break;
    case Kind::Paste: run_.pasteIntoList(withCrLf(step.text)); break;
    case Kind::Close: run_.close(); break;
    case Kind::Show: show(); break;
    default: break;
    }
    untilTaken();
    return true;
}

void ScriptPlayer::click(const std::string& caption) {
    for (plat::Hwnd c = plat::getWindow(run_.mainWindow(), plat::GW_CHILD); c != 0;
         c = plat::getWindow(c, plat::GW_HWNDNEXT)) {
        if (plat::getClassName(c) == kButtonClass && plat::getWindowText(c) == caption) {
            run_.click(plat::getDlgCtrlId(c));
            return;
        }
    }
    log_.add("no button " + caption);
}

// From the context menu; an id only the system menu has, from there.
void ScriptPlayer::command(int id) {
    const std::vector<int>& context = ui::kContextMenuLayout;
    if (std::find(context.begin(), context.end(), id) != context.end()) {
        run_.chooseFromContextMenu(id);
    } else if (!run_.chooseFromSystemMenu(id)) {
        log_.add("no command " + std::to_string(id));
    }
}

// The file goes into the bet-file directory as the program names it,
// written on the desktop so that it carries the virtual time.
void ScriptPlayer::drop(const ScriptStep& step) {
    std::string bytes, error;
    if (!readInput(ScriptFilePath(setup_.scriptDir, step.file), bytes, error)) {
        log_.add("cannot read " + step.file);
        return;
    }
    const std::string text = withLf(setup_.utf8Files ? betTextFromInput(bytes, true) : bytes);
    const std::string path = run_.program().settings.betFileDir + step.name;
    bool written = false;
    run_.asUser([&] {
        plat::TextFile file;
        written = file.open(path, plat::TextFile::Mode::Write) && file.write(text) && file.close();
    });
    if (!written) log_.add("cannot write " + path);
}

void ScriptPlayer::show() {
    const app::Application& program = run_.program();
    log_.print("status");
    for (const std::string& line : lines(run_.controlText(ui::kIdStatusBox))) log_.printRaw(line + "\n");
    log_.print("list");
    for (const std::string& line : lines(run_.controlText(ui::kIdBetList))) log_.printRaw(line + "\n");
    std::string buttons = "buttons";
    for (const simhome::ProgramRun::Button& b : run_.buttons()) buttons += " " + b.caption + (b.enabled ? ":on" : ":off");
    log_.print(buttons);
    log_.print(program.runControl.autoMode.load() != 0 ? "mode AUTO" : "mode MANUAL");
    log_.print("runstate " + std::to_string(program.runControl.runState.load()));
}

}  // namespace cli
