// Windows itself as the platform under test: the test program is the
// program.
#include "conformance/host.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files.h"

namespace conformance {

namespace {

std::string& scratch() {
    static std::string dir;
    return dir;
}

class ScratchReset : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        if (scratch().empty()) return;
        std::error_code ec;
        std::filesystem::remove_all(scratch(), ec);
        scratch().clear();
    }
};

const bool listenerInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScratchReset);
    return true;
}();

}  // namespace

bool runAsProgram(const std::function<void()>& body) {
    body();
    return true;
}

std::string scratchDirectory() {
    if (scratch().empty()) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch() = plat::programDirectory() + "conformance-" + test->name() + "\\";
        std::error_code ec;
        std::filesystem::remove_all(scratch(), ec);
        std::filesystem::create_directories(scratch(), ec);
    }
    return scratch();
}

std::string rawBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeRawBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace conformance
