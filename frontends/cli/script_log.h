// What `ornel sim script` prints: one line per event, each starting with
// the virtual local time "HH:MM:SS".  Events reported as they happen (boxes
// answered, runs, client commands) are merged by time with what the
// desktop's trace holds of Ornel's sounds, caption flashes and power-off
// requests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sim/desktop.h"

namespace cli {

class ScriptLog {
public:
    // startTime: seconds since 1970 at virtual time 0; utf8: the output
    // encoding (the texts are Shift-JIS).
    ScriptLog(const sim::Desktop& desktop, std::int64_t startTime, bool utf8);

    // An event of now.
    void add(const std::string& text);
    // Prints every event so far, in the order of their times.
    void flush();
    // Prints a line of now after the events so far (the window's state).
    void print(const std::string& text);
    // Prints text as it is, after the events so far.
    void printRaw(const std::string& text);

    // "HH:MM:SS" of a virtual time.
    std::string stamp(std::int64_t virtualMs) const;

private:
    struct Event {
        std::int64_t timeMs;
        std::string text;
    };
    void takeTrace();

    const sim::Desktop& desktop_;
    std::int64_t startTime_;
    bool utf8_;
    std::vector<Event> pending_;
    std::size_t traceRead_ = 0;
    std::int64_t lastFlashMs_ = -1;
};

}  // namespace cli
