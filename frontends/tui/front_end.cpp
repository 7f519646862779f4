#include "frontends/tui/front_end.h"

#include "frontends/tui/activity.h"
#include "frontends/tui/input_router.h"
#include "frontends/tui/screen.h"
#include "frontends/tui/terminal_user.h"
#include "frontends/tui/window_fit.h"
#include "platform/clock.h"

namespace tui {

namespace {

// Wall time between frames: input waits at most this long.
constexpr std::int64_t kFrameWallMs = 30;

}  // namespace

std::string statusLine(std::int64_t virtualSeconds, int speed, const std::string& programStatus) {
    std::string line = " " + plat::formatTime(virtualSeconds, "%Y-%m-%d %H:%M:%S");
    if (speed > 1) line += " x" + std::to_string(speed);
    return line + "  " + programStatus;
}

void runOnTerminal(sim::Desktop& desktop, Terminal& terminal, const ProgramView& program,
                   const FrontEndOptions& options) {
    // The person answers the program's boxes and menus.
    TerminalUser user;
    desktop.setUser(&user);
    Screen screen(desktop, user, options.ornelProgram, options.clientProgram);
    InputRouter input(desktop, screen, options.ornelProgram);
    Activity activity(desktop, options.ornelProgram);
    WindowFit fit(desktop);
    Frame shown{Canvas(0, 0)};
    while (!program.ended()) {
        if (activity.update(Activity::Clock::now())) terminal.beep();
        input.noteFocus();
        fit.fit(screen.mainWindow(), terminal.height() - 1);
        shown = screen.compose(terminal.width(), terminal.height(),
                               statusLine(plat::now(), options.speed, program.status()), activity.busy());
        terminal.draw(shown.canvas);
        desktop.runFor(kFrameWallMs * options.speed);
        for (const InputEvent& event : terminal.readInput()) {
            input.handle(event, shown);
            desktop.runFor(0);  // taken in before the next: a Tab moves the focus first
        }
    }
    desktop.setUser(nullptr);
}

}  // namespace tui
