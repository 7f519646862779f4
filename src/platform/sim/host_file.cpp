#include "platform/sim/host_file.h"

#include <cstdio>

namespace sim {

bool readHostFile(const std::string& host, std::string& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(host.c_str(), "rb");
    if (!file) return false;
    // In one piece when the size is known (profiles and data files can be
    // megabytes), then whatever the file grew by meanwhile.
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        std::rewind(file);
        if (size > 0) {
            bytes.resize(static_cast<std::size_t>(size));
            bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
        }
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool replaceHostFile(const std::string& host, const std::string& bytes) {
    const std::string temporary = host + ".new~";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    if (ok) ok = std::rename(temporary.c_str(), host.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

}  // namespace sim
