#include "platform/sim/virtual_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/clock.h"
#include "platform/sim/desktop.h"

namespace sim {

bool setHostFileTime(const std::string& host, std::int64_t seconds) {
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(seconds);
    times[0].tv_nsec = times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, host.c_str(), times, 0) == 0;
}

void stampWithVirtualTime(const std::string& host) {
    if (Desktop::current() != nullptr) setHostFileTime(host, plat::now());
}

}  // namespace sim
