// Plays the steps of an `ornel sim script` script on the whole program:
// each input step lasts until the main window has taken the input and waits
// again (a run it starts goes on); the desktop goes on in virtual time as
// far as `at`, `wait` and `idle` say, with timers, ticks, runs and the
// client going on meanwhile.  Runs starting and being
// completed and the window closing are reported as they happen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frontends/cli/script_log.h"
#include "frontends/cli/script_steps.h"
#include "frontends/cli/script_user.h"
#include "frontends/simhome/program_run.h"

namespace cli {

class ScriptPlayer {
public:
    struct Setup {
        std::string scriptDir;      // where `drop` finds its files
        bool utf8Files = false;     // `drop` files are UTF-8 (converted to Shift-JIS)
        std::int64_t startTime = 0; // seconds since 1970 at virtual time 0
    };
    ScriptPlayer(simhome::ProgramRun& run, sim::Desktop& desktop, ScriptUser& user, ScriptLog& log, Setup setup);

    // Plays every step.  The program starts before the first step that is
    // not an answer or a field, so that those reach the boxes of its
    // start-up (before the end at the latest).
    void play(const std::vector<ScriptStep>& steps);

private:
    void ensureStarted();
    // Lets the desktop run for ms of virtual time.
    void advance(std::int64_t ms);
    // Lets it run until the main window has taken the user's input and
    // waits again (a run it started may go on).
    void untilTaken();
    // Reports runs starting and ending and the window closing.
    void poll();
    bool act(const ScriptStep& step);
    void click(const std::string& caption);
    void command(int id);
    void drop(const ScriptStep& step);
    void show();

    simhome::ProgramRun& run_;
    sim::Desktop& desktop_;
    ScriptUser& user_;
    ScriptLog& log_;
    Setup setup_;
    bool started_ = false;
    bool closedReported_ = false;
    std::int16_t lastRunState_ = 0;
    std::int16_t lastRunEnd_ = 0;
};

}  // namespace cli
