// The one builder of a simulated desktop for Ornel, shared by the front ends
// and the test fixtures: a drive in a host directory (holding the Windows
// directory, the registry and everything written), a virtual clock from a
// start time, a scripted user who answers Ornel's boxes and leaves the
// betting client's to the driver, the replacement client installed when
// asked, and Ornel itself — a program function or the whole application
// object — run on it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontends/simhome/client_install.h"
#include "platform/sim/desktop.h"
#include "platform/sim/scripted_user.h"

namespace app {
class Application;
}

namespace simhome {

constexpr const char* kOrnelProgram = "Ornel";
constexpr const char* kOrnelExeName = "Ornel.exe";
constexpr const char* kClientFolder = "client/";

struct DesktopOptions {
    std::string directory;          // the drive; made when missing
    std::int64_t startTime = 0;     // seconds since 1970 at virtual time 0
    // The clock: virtual time, or the wall clock run `speed` times faster
    // (the terminal front end).
    bool realTime = false;
    int speed = 1;
};

class OrnelDesktop {
public:
    explicit OrnelDesktop(const DesktopOptions& options);
    ~OrnelDesktop();
    OrnelDesktop(const OrnelDesktop&) = delete;
    OrnelDesktop& operator=(const OrnelDesktop&) = delete;

    sim::Desktop& desktop() { return *desktop_; }
    const sim::Desktop& desktop() const { return *desktop_; }
    sim::ScriptedUser& user() { return user_; }
    const std::string& directory() const { return directory_; }
    // Ornel's executable: "<directory>/Ornel.exe".
    std::string ornelExePath() const { return directory_ + kOrnelExeName; }

    // Installs the replacement client into clientDir (default
    // "<directory>/client/"); its executable's path, "" when a file could
    // not be written.
    std::string installClient(const ClientInstallOptions& options, const std::string& clientDir = "");
    std::string clientDir() const { return clientDir_; }
    const std::string& clientExePath() const { return clientExe_; }

    // Starts Ornel with main as its first thread.
    void startOrnel(std::function<void()> main);
    // Starts the whole program: the application object's process on
    // Ornel's first thread.
    void startProgram(app::Application& program);
    // Starts Ornel with fn and drives the desktop until fn returns; false
    // when it did not within maxMs of virtual time.
    bool runOrnel(const std::function<void()>& fn, std::int64_t maxMs = 3'600'000);
    // Runs fn on a new thread of Ornel and drives the desktop until it
    // returns; false when it did not within maxMs.
    bool callOrnel(const std::function<void()>& fn, std::int64_t maxMs = 3'600'000);
    // Whether the program's first thread has returned.
    bool ornelEnded() const { return ornelEnded_; }

    // Captions of the client's visible forms (the only "ThunderRTForm"
    // windows of the desktop), top of the z-order first.
    std::vector<std::string> clientForms() const;

private:
    std::string directory_;
    std::string clientDir_;
    std::string clientExe_;
    sim::ScriptedUser user_;
    std::unique_ptr<sim::Desktop> desktop_;
    bool ornelEnded_ = false;
};

}  // namespace simhome
