// Registry values through ADVAPI32.
#include "platform/win32/windows_api.h"

namespace {

HKEY rootKey(plat::RegRoot root) {
    switch (root) {
    case plat::RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case plat::RegRoot::Users: return HKEY_USERS;
    case plat::RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    }
    return HKEY_CURRENT_USER;
}

}  // namespace

namespace plat {

bool regRead(RegRoot root, const std::string& path, const std::string& name, std::vector<std::uint8_t>& data,
             Dword& type) {
    HKEY key;
    if (RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    DWORD valueType = 0;
    LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &valueType, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        data.assign(size, 0);
        rc = RegQueryValueExA(key, name.c_str(), nullptr, &valueType, data.data(), &size);
        data.resize(size);
        type = valueType;
    }
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

bool regWrite(RegRoot root, const std::string& path, const std::string& name, Dword type,
              const std::vector<std::uint8_t>& data) {
    HKEY key;
    if (RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
    const LONG rc = RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

bool regCreateKey(RegRoot root, const std::string& path) {
    HKEY key;
    if (RegCreateKeyExA(rootKey(root), path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

}  // namespace plat
