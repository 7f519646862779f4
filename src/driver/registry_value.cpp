#include "driver/registry_value.h"

#include <algorithm>

namespace driver {

bool RegValue(plat::RegRoot root, const std::string& path, const std::string& name,
              std::vector<std::uint8_t>& buffer, std::size_t size, RegMode mode, plat::Dword type) {
    if (mode == RegMode::Write) {
        const std::vector<std::uint8_t> data(buffer.begin(), buffer.begin() + std::min(size, buffer.size()));
        return plat::regWrite(root, path, name, type, data);
    }
    std::vector<std::uint8_t> data;
    plat::Dword storedType = 0;
    if (!plat::regRead(root, path, name, data, storedType) || data.size() > size) return false;
    buffer = std::move(data);
    return true;
}

bool RegText(plat::RegRoot root, const std::string& path, const std::string& name, std::size_t size,
             std::string& text) {
    std::vector<std::uint8_t> data;
    if (!RegValue(root, path, name, data, size, RegMode::Read, plat::REG_SZ)) return false;
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    text.assign(data.begin(), end);
    return true;
}

// With the terminating zero, so that every reader finds the string's end
// (the client's installer writes its strings the same way).
bool RegSetText(plat::RegRoot root, const std::string& path, const std::string& name,
                const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return RegValue(root, path, name, data, data.size(), RegMode::Write, plat::REG_SZ);
}

}  // namespace driver
