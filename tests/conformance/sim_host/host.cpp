// The simulated desktop as the platform under test.
#include "conformance/host.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/sim/desktop.h"
#include "support/support.h"

namespace conformance {

namespace {

// Longest virtual time a test body may take.
constexpr std::int64_t kBodyLimitMs = 600'000;

// One scratch directory per test, made on first use.
std::unique_ptr<testsupport::TempDir>& scratch() {
    static std::unique_ptr<testsupport::TempDir> dir;
    return dir;
}

class ScratchReset : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { scratch().reset(); }
};

const bool listenerInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScratchReset);
    return true;
}();

}  // namespace

bool runAsProgram(const std::function<void()>& body) {
    testsupport::TempDir desktopDir;
    sim::Desktop desktop(sim::Desktop::Options{desktopDir.path()});
    return desktop.call("conformance", body, kBodyLimitMs);
}

std::string scratchDirectory() {
    if (!scratch()) scratch() = std::make_unique<testsupport::TempDir>();
    return scratch()->path();
}

std::string rawBytes(const std::string& path) { return testsupport::readBytes(path); }

void writeRawBytes(const std::string& path, const std::string& bytes) { testsupport::writeBytes(path, bytes); }

}  // namespace conformance
