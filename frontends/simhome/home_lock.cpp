#include "frontends/simhome/home_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace simhome {

namespace {

// The process id the holder wrote into the lock file, "" when unknown.
std::string holderOf(int fd) {
    char buffer[32] = {};
    const ssize_t n = pread(fd, buffer, sizeof buffer - 1, 0);
    std::string text = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text.find_first_not_of("0123456789") == std::string::npos ? text : std::string();
}

}  // namespace

HomeLock::~HomeLock() {
    if (fd_ >= 0) close(fd_);  // closing releases the lock
}

bool HomeLock::acquire(const std::string& home, std::string& error) {
    const std::string path = home + kHomeLockName;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = "cannot make " + path;
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        const std::string holder = busy ? holderOf(fd) : std::string();
        close(fd);
        error = busy ? "the home " + home + " is in use by another ornel command" +
                           (holder.empty() ? std::string() : " (process " + holder + ")") +
                           "; one command at a time may use a home"
                     : "cannot lock " + path;
        return false;
    }
    const std::string pid = std::to_string(getpid()) + "\n";
    if (ftruncate(fd, 0) != 0 || pwrite(fd, pid.data(), pid.size(), 0) < 0) {
        // The lock holds without the note of who holds it.
    }
    fd_ = fd;
    return true;
}

}  // namespace simhome
