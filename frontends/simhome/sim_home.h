// A simulated home for the `ornel sim ...` commands: a desktop in virtual
// time whose drive C: is a directory DIR that keeps everything between runs —
// the replacement client in DIR/client with its day, files and registry
// values, and Ornel's profile in the Windows directory (DIR/WINDOWS).
//
// First use installs the client with a generated day for the date of the
// start time (unless DIR/client already holds a day) and creates Ornel's
// profile with the client account's ID and password, the client's path
// "C:\client\Pat95.exe" and "C:\bets\" as the bet-file directory (paths on
// the home's own drive, so a copied home uses its own client); afterwards
// both are used as they are.  A later date moves the client on to that day
// (see betclient/centre/centre.h); an earlier one than the client's day is
// refused.  The faults of a run replace those of the run before.  One
// process at a time may use a home.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontends/simhome/home_lock.h"
#include "frontends/simhome/ornel_desktop.h"

namespace simhome {

struct SimHomeOptions {
    std::string home;                 // DIR
    std::int64_t startTime = 0;       // seconds since 1970 at virtual time 0
    std::optional<std::uint64_t> seed;  // of the generated day (none: the centre's default)
    std::vector<std::string> faults;  // lines of the client's "faults.txt"
    // The ideal (instant) client instead of the strict one, whose timing is
    // drawn from the seed (or the client's default seed).
    bool idealClient = false;
    // The desktop's clock: virtual time (the batch commands), or the wall
    // clock run `speed` times faster (the terminal front end).
    bool realTime = false;
    int speed = 1;
};

class SimHome {
public:
    SimHome() = default;
    SimHome(const SimHome&) = delete;
    SimHome& operator=(const SimHome&) = delete;

    // Sets up DIR; false with a one-line reason when a directory or file
    // cannot be made, another process uses the home, the client's day or
    // state cannot be read, or the start time is before the client's day.
    bool open(const SimHomeOptions& options, std::string& error);

    // The desktop of the home, with the client installed and Ornel's
    // profile in place.
    OrnelDesktop& desk() { return *desk_; }
    sim::Desktop& desktop() { return desk_->desktop(); }
    sim::ScriptedUser& user() { return desk_->user(); }
    const std::string& clientExePath() const { return desk_->clientExePath(); }
    // The directory of bet files and the bet log a new home's profile names
    // (DIR/bets/).
    std::string betDir() const;

    // Runs fn as Ornel's window thread and drives the desktop until it
    // returns (the client keeps running).  False when it did not return
    // within maxMs of virtual time.
    bool runOrnel(const std::function<void()>& fn, std::int64_t maxMs = 3'600'000) {
        return desk_->runOrnel(fn, maxMs);
    }

    std::vector<std::string> clientForms() const { return desk_->clientForms(); }

private:
    bool installClientOnce(const SimHomeOptions& options, std::string& error);
    bool checkClientDay(std::int64_t startTime, std::string& error);
    bool createProfileOnce(std::string& error);

    HomeLock lock_;
    std::string home_;
    std::unique_ptr<OrnelDesktop> desk_;
};

}  // namespace simhome
