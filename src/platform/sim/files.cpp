// Files on the host file system, named the Windows way (see path_resolve.h).
#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "platform/sim/path_resolve.h"
#include "platform/sim/virtual_stamp.h"
#include "platform/sjis.h"

namespace plat {

namespace {

std::string lastComponent(const std::string& host) {
    std::size_t slash = host.find_last_of('/');
    return slash == std::string::npos ? host : host.substr(slash + 1);
}

// The directory part of a host path, with its trailing '/' ("" for none).
std::string directoryPart(const std::string& host) {
    std::size_t slash = host.find_last_of('/');
    return slash == std::string::npos ? std::string() : host.substr(0, slash + 1);
}

bool statInfo(const std::string& host, const std::string& name, FileInfo& info) {
    struct stat st;
    if (stat(host.c_str(), &st) != 0) return false;
    info.name = name;
    info.lastWrite = static_cast<std::int64_t>(st.st_mtime);
    info.size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::uint64_t>(st.st_size);
    info.isDirectory = S_ISDIR(st.st_mode);
    return true;
}

}  // namespace

char pathSeparator() { return '/'; }

std::vector<FileInfo> findFiles(const std::string& pattern) {
    std::vector<FileInfo> found;
    std::string host;
    if (!sim::hostPath(pattern, host)) return found;
    const std::string namePattern = lastComponent(host);
    if (namePattern.empty()) return found;
    const std::string directory = sim::resolveCase(directoryPart(host));
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return found;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !sim::matchesFilePattern(namePattern, name)) continue;
        FileInfo info;
        if (statInfo(directory + name, name, info)) found.push_back(std::move(info));
    }
    closedir(dir);
    // Case-insensitive order, ties (names differing only in case) by bytes,
    // so a search lists the same files in the same order every time.
    std::sort(found.begin(), found.end(), [](const FileInfo& a, const FileInfo& b) {
        const std::string ua = sjis::upper(a.name), ub = sjis::upper(b.name);
        return ua != ub ? ua < ub : a.name < b.name;
    });
    return found;
}

bool fileStatus(const std::string& path, FileInfo& info) {
    std::string host;
    if (!sim::resolvePath(path, host)) return false;
    return statInfo(host, lastComponent(host), info);
}

bool removeFile(const std::string& path) {
    std::string host;
    return sim::resolvePath(path, host) && unlink(host.c_str()) == 0;
}

bool renameFile(const std::string& from, const std::string& to) {
    std::string source, target, given;
    if (!sim::resolvePath(from, source) || !sim::resolvePath(to, target) || !sim::hostPath(to, given)) {
        return false;
    }
    struct stat src, dst;
    if (lstat(source.c_str(), &src) != 0) return false;
    if (lstat(target.c_str(), &dst) == 0) {
        // The target exists.  Only a change of case of the same file is
        // allowed, as on a file system that ignores case.
        if (src.st_dev != dst.st_dev || src.st_ino != dst.st_ino) return false;
        target = directoryPart(target) + lastComponent(given);
        if (target == source) return true;
    }
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool replaceFile(const std::string& from, const std::string& to) {
    std::string source, target;
    // An existing target keeps the spelling of its name; rename(2) replaces
    // it in one step.
    if (!sim::resolvePath(from, source) || !sim::resolvePath(to, target)) return false;
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool setFileTime(const std::string& path, std::int64_t lastWrite) {
    std::string host;
    return sim::resolvePath(path, host) && sim::setHostFileTime(host, lastWrite);
}

bool createDirectory(const std::string& path) {
    std::string host;
    return sim::resolvePath(path, host) && mkdir(host.c_str(), 0777) == 0;
}

}  // namespace plat
