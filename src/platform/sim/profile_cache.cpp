#include "platform/sim/profile_cache.h"

#include <sys/stat.h>
#include <time.h>

#include <cerrno>
#include <cstdint>
#include <mutex>
#include <optional>

#include "platform/sim/host_file.h"
#include "platform/sim/virtual_stamp.h"

namespace sim {

namespace {

// File systems stamp changes with a coarse clock, so two writes of the same
// size in quick succession can leave the same times behind.  A file changed
// this recently is compared byte for byte before its parsed form is reused.
constexpr std::int64_t kRecentChangeNs = 2'000'000'000;

// What tells one state of a host file from another.  The change time (unlike
// the last-write time, which programs on the desktop set to the virtual time)
// always moves when the file is written.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::int64_t nanoseconds(const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

enum class HostState { Present, Missing, Unreadable };

HostState identify(const std::string& host, FileIdentity& identity) {
    struct stat st {};
    if (stat(host.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? HostState::Missing : HostState::Unreadable;
    identity = {st.st_dev, st.st_ino, st.st_size, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
    return HostState::Present;
}

bool changedRecently(const FileIdentity& identity) {
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now) - identity.changedNs < kRecentChangeNs;
}

struct CachedProfile {
    std::string host;
    FileIdentity identity;
    std::string bytes;
    ProfileDocument document{""};
};

std::mutex cacheMutex;
std::optional<CachedProfile> cache;  // the profile file last read or written

// The document of the host file, from the cache when the file is as it was
// (call with cacheMutex held).  Null when the file exists but cannot be read.
const ProfileDocument* load(const std::string& host) {
    static const ProfileDocument kEmpty{""};
    FileIdentity identity;
    const HostState state = identify(host, identity);
    if (state != HostState::Present) {
        if (cache && cache->host == host) cache.reset();
        return state == HostState::Missing ? &kEmpty : nullptr;
    }
    const bool sameFile = cache && cache->host == host && cache->identity == identity;
    if (sameFile && !changedRecently(identity)) return &cache->document;
    std::string bytes;
    if (!readHostFile(host, bytes)) return nullptr;
    if (!sameFile || bytes != cache->bytes) {
        ProfileDocument document(bytes);
        cache = CachedProfile{host, identity, std::move(bytes), std::move(document)};
    }
    return &cache->document;
}

}  // namespace

bool readProfile(const std::string& host, const std::function<void(const ProfileDocument&)>& read) {
    std::lock_guard lock(cacheMutex);
    const ProfileDocument* document = load(host);
    if (!document) return false;
    read(*document);
    return true;
}

bool changeProfile(const std::string& host, const std::function<void(ProfileDocument&)>& change) {
    std::lock_guard lock(cacheMutex);
    const ProfileDocument* current = load(host);
    if (!current) return false;
    // The cached document is given up either way: the file changes.
    ProfileDocument document = cache && current == &cache->document ? std::move(cache->document) : *current;
    cache.reset();
    change(document);
    std::string bytes = document.bytes();
    if (!replaceHostFile(host, bytes)) return false;
    stampWithVirtualTime(host);
    FileIdentity identity;
    if (identify(host, identity) == HostState::Present)
        cache = CachedProfile{host, identity, std::move(bytes), std::move(document)};
    return true;
}

}  // namespace sim
