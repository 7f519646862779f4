#include "base/profile_store.h"

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/sjis.h"

namespace base {

int FileProfileStore::getInt(const char* section, const char* key, int defaultValue) {
    return plat::getProfileInt(path_, section, key, defaultValue);
}

std::string FileProfileStore::getString(const char* section, const char* key,
                                        const std::string& defaultValue) {
    return plat::getProfileString(path_, section, key, defaultValue);
}

bool FileProfileStore::writeString(const char* section, const char* key, const std::string& value) {
    return plat::writeProfileString(path_, section, key, value);
}

bool FileProfileStore::writeInt(const char* section, const char* key, int value) {
    return plat::writeProfileInt(path_, section, key, value);
}

std::string ProgramProfilePath() {
    sjis::PathParts exe = sjis::splitPath(plat::programFileName());
    return plat::windowsDirectory() + exe.name + ".INI";
}

}  // namespace base
