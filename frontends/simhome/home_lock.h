// A simulated home is used by one process at a time: two `ornel sim` runs on
// one home would each start their own client on the same files, and the
// centre's ledger and receipts of one run would be lost to the other.  The
// lock is an advisory lock on a file in the home, held while the object
// lives; the system drops it when the process ends, however it ends.
#pragma once

#include <string>

namespace simhome {

constexpr const char* kHomeLockName = "home.lock";

class HomeLock {
public:
    HomeLock() = default;
    ~HomeLock();
    HomeLock(const HomeLock&) = delete;
    HomeLock& operator=(const HomeLock&) = delete;

    // Locks the home directory `home` (ending in '/'); false with a
    // one-line reason when another process holds it or the lock file cannot
    // be made.
    bool acquire(const std::string& home, std::string& error);

private:
    int fd_ = -1;
};

}  // namespace simhome
