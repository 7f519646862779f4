// A fresh simulated desktop per test, and helpers to make windows and log
// what happens in order.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/sim/backend.h"
#include "platform/sim/desktop.h"
#include "platform/window.h"

namespace simtest {

// 2024-05-01 09:00:00 JST.
constexpr std::int64_t kStartTime = 1714521600;

class SimTest : public ::testing::Test {
protected:
    // speed: for real-time desktops, virtual ms per wall ms.
    explicit SimTest(bool realTime = false, int speed = 1);

    // A window of a class whose procedure logs every message it gets.
    plat::Hwnd makeWindow(const std::string& caption, plat::Dword style, plat::Rect rect,
                          plat::Hwnd parent = 0, plat::Hwnd owner = 0, int id = 0,
                          const std::string& className = "Logged");
    void note(const std::string& entry) { log.push_back(entry); }
    // "<virtual ms>:<entry>"
    void noteAt(const std::string& entry);

    // Declared before the desktop: procedures may still log while it shuts down.
    std::vector<std::string> log;
    // Messages to log from the logging class (others pass silently).
    std::vector<plat::Uint> logged{plat::WM_TIMER, plat::WM_USER, plat::WM_USER + 1, plat::WM_USER + 2};
    sim::Desktop desktop;
};

std::string hex(plat::Hwnd h);

}  // namespace simtest
