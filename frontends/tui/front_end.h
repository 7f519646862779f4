// The terminal front end's loop: the simulated desktop runs in real time
// (at a chosen speed) while the terminal shows it, frame after frame, and
// the person's input is given to it, until Ornel's process has ended.
#pragma once

#include <string>

#include "frontends/tui/terminal.h"
#include "platform/sim/desktop.h"

namespace tui {

// What the front end asks of the program it shows.
class ProgramView {
public:
    virtual ~ProgramView() = default;
    // Ornel's process has ended.
    virtual bool ended() const = 0;
    // The program's part of the status line (ASCII): AUTO or MANU, the run
    // state and the progress of a run.
    virtual std::string status() const = 0;
};

struct FrontEndOptions {
    int speed = 1;  // virtual seconds per wall second
    std::string ornelProgram;
    std::string clientProgram;
};

// The status line: the virtual date and time, the speed when above 1, and
// the program's part.
std::string statusLine(std::int64_t virtualSeconds, int speed, const std::string& programStatus);

void runOnTerminal(sim::Desktop& desktop, Terminal& terminal, const ProgramView& program,
                   const FrontEndOptions& options);

}  // namespace tui
