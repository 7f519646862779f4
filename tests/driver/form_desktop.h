// A desktop with a stand-in client program whose thread owns the forms a
// test builds (top-level "ThunderRTForm" windows with controls at known
// positions), and Ornel's side that runs the primitives against them.
// Attempts are counted from the trace (posts that cross from Ornel to the
// client) and from virtual time.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "driver/driver_state.h"
#include "platform/sim/desktop.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"
#include "support/support.h"

namespace drivertest {

constexpr const char* kOrnel = "Ornel";
constexpr const char* kClient = "client";

// Styles of the forms and controls the tests build.
constexpr plat::Dword kFormStyle = plat::WS_OVERLAPPED | plat::WS_CAPTION | plat::WS_VISIBLE;
// How far a form's client area lies inside its window (border, caption bar).
constexpr int kFormInsetX = 3;
constexpr int kFormInsetY = 22;

class FormDesktopTest : public ::testing::Test {
protected:
    FormDesktopTest();
    ~FormDesktopTest() override;

    // Runs fn on the client's thread now, or after delayMs of virtual time
    // (while Ornel runs); windows it makes belong to the client.
    void onClient(std::function<void()> fn);
    void onClientAfter(std::uint32_t delayMs, std::function<void()> fn);
    // Runs fn as Ornel and returns the virtual milliseconds it took.
    std::int64_t asOrnel(const std::function<void()>& fn);

    // Made on the client's thread.  rect: screen pixels for a form, the
    // parent's client pixels for a control.  makeForm / makeControl run on
    // the calling thread (inside onClient tasks); form / control hand
    // themselves to the client.
    plat::Hwnd makeForm(const std::string& caption, plat::Rect rect, const char* className = "ThunderRTForm");
    plat::Hwnd makeControl(plat::Hwnd parent, const char* className, const std::string& caption, plat::Rect rect,
                           plat::Dword style = 0);
    plat::Hwnd form(const std::string& caption, plat::Rect rect, const char* className = "ThunderRTForm");
    plat::Hwnd control(plat::Hwnd parent, const char* className, const std::string& caption, plat::Rect rect,
                       plat::Dword style = 0);

    // Messages Ornel posted to the client, in order, optionally of one kind.
    std::vector<sim::TraceEvent> posts(plat::Uint message = 0) const;
    // Control ids of the buttons clicked on the forms (BN_CLICKED).
    std::vector<int> clicked;

    testsupport::TempDir dir;
    sim::Desktop desktop;
    sim::ScriptedUser user;
    driver::DriverState driver;

private:
    plat::Hwnd host_ = 0;
    std::vector<std::function<void()>> now_;
    std::map<plat::Uint, std::function<void()>> later_;
    plat::Uint nextTimer_ = 1;
    int nextId_ = 100;
};

}  // namespace drivertest
