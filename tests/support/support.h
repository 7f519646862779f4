// Helpers shared by the test programs.
#pragma once

#include <cstdint>
#include <string>

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with its
// contents when the object goes away.  path() ends with '/'.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Whole files as raw bytes (no line-end translation).
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
void setMtime(const std::string& path, std::int64_t secondsSinceEpoch);

// Local times in the tests are Japan's (the client's clock and the betting
// hours), whatever zone the machine is set to.
void useJapanTime();

// Shift-JIS text shown as UTF-8 in failure messages.
std::string u8(const std::string& cp932);

// Test programs that install the replacement client run against the strict
// client, or against the ideal one when the environment says
// ORNEL_TEST_CLIENT=ideal (CTest runs them both ways).
bool IdealClientAsked();

}  // namespace testsupport
