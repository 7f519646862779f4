#include "betdata/unmovable_bet_files.h"

#include "platform/files.h"
#include "platform/sjis.h"

namespace betdata {

bool UnmovableBetFiles::remember(const std::string& path) {
    plat::FileInfo info;
    if (!plat::fileStatus(path, info)) return false;
    if (contains(path)) return true;
    entries_.push_back({sjis::upper(path), info.size, info.lastWrite});
    return true;
}

bool UnmovableBetFiles::contains(const std::string& path) const {
    plat::FileInfo info;
    if (entries_.empty() || !plat::fileStatus(path, info)) return false;
    const std::string key = sjis::upper(path);
    for (const Entry& e : entries_)
        if (e.upperPath == key && e.size == info.size && e.lastWrite == info.lastWrite) return true;
    return false;
}

}  // namespace betdata
