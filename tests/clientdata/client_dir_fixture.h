// A client directory, a bet-file directory and a race-card directory in a
// temporary folder, with local time fixed to Japan.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "platform/clock.h"
#include "platform/files.h"
#include "support/support.h"

namespace clienttest {

class ClientDirTest : public ::testing::Test {
protected:
    ClientDirTest() {
        testsupport::useJapanTime();
        plat::createDirectory(clientDir());
        plat::createDirectory(betDir());
        plat::createDirectory(cardDir());
    }
    std::string clientDir() const { return root.file("pat/"); }
    std::string betDir() const { return root.file("bet/"); }
    std::string cardDir() const { return root.file("target/"); }
    std::string clientExe() const { return clientDir() + "Pat95.exe"; }

    static std::int64_t at(int year, int month, int day, int hour = 12, int minute = 0) {
        plat::LocalTime t;
        t.year = year, t.month = month, t.day = day, t.hour = hour, t.minute = minute;
        return plat::fromLocalTime(t);
    }

    testsupport::TempDir root;
};

}  // namespace clienttest
