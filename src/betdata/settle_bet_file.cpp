#include "betdata/settle_bet_file.h"

#include "base/next_bet_file.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace betdata {

namespace {

constexpr const char* kLoadedExtension = ".SAV";
constexpr const char* kRenamedExtension = ".Sav";

bool isLoadedName(const std::string& path) {
    std::string extension = sjis::splitPath(path).extension;
    return base::UpperCase(extension) == kLoadedExtension;
}

std::string renamedPath(const std::string& path) {
    std::string renamed = path;
    if (!base::ReplacePathPart(renamed, nullptr, kRenamedExtension)) return {};
    return renamed;
}

bool renameTo(const std::string& path, const std::string& renamed) {
    return !renamed.empty() && plat::renameFile(path, renamed);
}

}  // namespace

SettleOutcome SettleLoadedBetFile(const std::string& path, bool renameSav) {
    if (renameSav) {
        if (isLoadedName(path)) return SettleOutcome::Untouched;
        const std::string renamed = renamedPath(path);
        // An older file of the same name was loaded before: this one replaces it.
        if (!renamed.empty() && base::FileHasData(renamed)) plat::removeFile(renamed);
        if (!base::FileHasData(path)) return SettleOutcome::Untouched;
        if (renameTo(path, renamed)) return SettleOutcome::Renamed;
        if (plat::removeFile(path)) return SettleOutcome::Removed;
        return SettleOutcome::Unmovable;
    }
    if (!base::FileHasData(path)) return SettleOutcome::Untouched;
    if (plat::removeFile(path)) return SettleOutcome::Removed;
    if (!isLoadedName(path) && renameTo(path, renamedPath(path))) return SettleOutcome::Renamed;
    return SettleOutcome::Unmovable;
}

}  // namespace betdata
