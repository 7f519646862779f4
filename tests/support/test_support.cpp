#include "support/support.h"

#include <sys/stat.h>
#include <sys/time.h>
#include <time.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/sjis.h"

namespace testsupport {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "ornel-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void useJapanTime() {
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
}

void setMtime(const std::string& path, std::int64_t secondsSinceEpoch) {
    struct timeval times[2];
    times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(secondsSinceEpoch);
    times[0].tv_usec = times[1].tv_usec = 0;
    utimes(path.c_str(), times);
}

std::string u8(const std::string& cp932) { return sjis::toUtf8(cp932); }

bool IdealClientAsked() {
    const char* client = std::getenv("ORNEL_TEST_CLIENT");
    return client != nullptr && std::string(client) == "ideal";
}

}  // namespace testsupport
