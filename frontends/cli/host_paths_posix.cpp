// Host paths on this machine, where a path's bytes are the file's name;
// ornel.exe has its own (frontends/win32).
#include <filesystem>

#include "frontends/cli/host_paths.h"

namespace cli {

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const std::string absolute = std::filesystem::absolute(path, ec).string();
    return ec ? path : absolute;
}

bool pathExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace cli
