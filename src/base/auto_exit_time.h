// "Auto Exit Time" packed and unpacked: hour * 100 + minute plus a mode
// above it — 0 exit at that time, 10000 exit and shut Windows down, 20000
// (or any other mode) no auto exit.
#pragma once

namespace base {

struct AutoExitFields {
    int hour = 0;
    int minute = 0;
    int use = 0;       // the auto exit is on
    int shutdown = 0;  // and shuts Windows down (only with use)
};

// Any mode but 0 and 1, and a negative value, give both off.
AutoExitFields UnpackAutoExit(int packed);
// "use" off gives the off mode whatever "shutdown" says.
int PackAutoExit(const AutoExitFields& fields);

}  // namespace base
