#include "base/auto_exit_time.h"

namespace base {

namespace {

constexpr int kModeUnit = 10000;  // the mode sits above hour * 100 + minute
constexpr int kModeOn = 0;
constexpr int kModeOnWithShutdown = 1;
constexpr int kModeOff = 2;
constexpr int kHourUnit = 100;

}  // namespace

AutoExitFields UnpackAutoExit(int packed) {
    AutoExitFields fields;
    if (packed < 0) return fields;
    fields.hour = packed % kModeUnit / kHourUnit;
    fields.minute = packed % kHourUnit;
    const int mode = packed / kModeUnit;
    fields.use = mode == kModeOn || mode == kModeOnWithShutdown;
    fields.shutdown = mode == kModeOnWithShutdown;
    return fields;
}

int PackAutoExit(const AutoExitFields& fields) {
    const int mode = !fields.use ? kModeOff : fields.shutdown ? kModeOnWithShutdown : kModeOn;
    return mode * kModeUnit + fields.hour * kHourUnit + fields.minute;
}

}  // namespace base
