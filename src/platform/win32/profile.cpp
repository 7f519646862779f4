// Private-profile files through Windows' own profile functions.
#include "platform/win32/windows_api.h"

namespace {

// Longest value read; longer values are cut, as a fixed buffer cuts them.
constexpr DWORD kValueBuffer = 4096;

}  // namespace

namespace plat {

int getProfileInt(const std::string& file, const std::string& section, const std::string& key, int defaultValue) {
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
}

std::string getProfileString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& defaultValue) {
    char buffer[kValueBuffer] = {};
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                             sizeof buffer, file.c_str());
    return std::string(buffer, n);
}

bool writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

bool writeProfileInt(const std::string& file, const std::string& section, const std::string& key, int value) {
    return writeProfileString(file, section, key, std::to_string(value));
}

}  // namespace plat
