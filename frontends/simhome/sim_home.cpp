#include "frontends/simhome/sim_home.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "base/credentials.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "base/settings_keys.h"
#include "betclient/centre/centre.h"
#include "betclient/centre/day_text.h"
#include "betclient/centre/generator.h"
#include "betclient/faults.h"
#include "frontends/simhome/client_install.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace simhome {

namespace {

// Bet files and the day's bet log.
constexpr const char* kBetFolder = "bets/";
// The same two as the profile names them, on the home's drive ("Bet File
// Dir" names the directory with its trailing separator).
constexpr const char* kClientExeOnDrive = "C:\\client\\Pat95.exe";
constexpr const char* kBetFolderOnDrive = "C:\\bets\\";

std::string readHostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool hostFileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The day the client plays: its day.txt, which the first run writes.
bool clientDay(const std::string& clientDir, centre::Day& day, std::string& error) {
    const std::string path = clientDir + centre::kDayFileName;
    if (centre::parseDayText(readHostFile(path), day, error)) return true;
    error = path + ", " + error;
    return false;
}

std::string isoDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

}  // namespace

std::string SimHome::betDir() const { return home_ + kBetFolder; }

bool SimHome::open(const SimHomeOptions& options, std::string& error) {
    std::error_code ec;
    const std::filesystem::path home = std::filesystem::absolute(options.home, ec);
    if (!ec) std::filesystem::create_directories(home, ec);
    if (ec) {
        error = "cannot make " + options.home;
        return false;
    }
    home_ = home.string();
    if (home_.back() != '/') home_ += '/';
    if (!lock_.acquire(home_, error)) return false;
    desk_ = std::make_unique<OrnelDesktop>(DesktopOptions{home_, options.startTime, options.realTime, options.speed});
    return installClientOnce(options, error) && checkClientDay(options.startTime, error) &&
           createProfileOnce(error);
}

bool SimHome::installClientOnce(const SimHomeOptions& options, std::string& error) {
    const std::string clientDir = home_ + kClientFolder;
    const bool installed = hostFileExists(clientDir + kClientExeName);
    ClientInstallOptions install;
    if (!hostFileExists(clientDir + centre::kDayFileName)) {
        const plat::LocalTime date = plat::localTime(options.startTime);
        const std::uint64_t seed = options.seed.value_or(centre::kDefaultSeed);
        install.dayText = centre::formatDayText(centre::generateDay(date.year, date.month, date.day, seed));
    }
    install.registryConfig = !installed;  // later runs keep what was changed since
    install.behaviour.ideal = options.idealClient;
    if (options.seed) install.behaviour.seed = *options.seed;
    const bool ok = !desk_->installClient(install).empty();
    // The faults of this run replace those of the run before, none included.
    bool faultsWritten = false;
    desktop().call("installer", [&] { faultsWritten = betclient::writeFaults(clientDir, options.faults); });
    if (!ok || !faultsWritten) {
        error = "cannot install the client in " + clientDir;
        return false;
    }
    return true;
}

// The client will start on the date of the start time: its day must read,
// not lie after that date, and its state must read (a state file that cannot
// be read is never written over).
bool SimHome::checkClientDay(std::int64_t startTime, std::string& error) {
    const std::string clientDir = home_ + kClientFolder;
    centre::Day day;
    if (!clientDay(clientDir, day, error)) return false;
    const plat::LocalTime date = plat::localTime(startTime);
    if (std::make_tuple(day.year, day.month, day.day) > std::make_tuple(date.year, date.month, date.day)) {
        error = "the client in " + clientDir + " is on " + isoDate(day.year, day.month, day.day) +
                "; a run on " + isoDate(date.year, date.month, date.day) + " would go back in time";
        return false;
    }
    if (!centre::Centre::open(clientDir, date.year, date.month, date.day, error)) {
        error = clientDir + error;
        return false;
    }
    return true;
}

// Ornel's profile with what connecting needs: the client's path, the
// account, and the day's terms fetched at login; and DIR/bets for the bet
// files and the bet log.
bool SimHome::createProfileOnce(std::string& error) {
    bool ok = true;
    runOrnel([&] {
        const std::string path = base::ProgramProfilePath();
        plat::FileInfo info;
        if (plat::fileStatus(path, info)) return;
        centre::Day day;
        if (!clientDay(home_ + kClientFolder, day, error)) {
            ok = false;
            return;
        }
        base::FileProfileStore store(path);
        base::Settings settings;
        settings.userId = day.account.userId;
        settings.password = day.account.password;
        std::error_code ec;
        std::filesystem::create_directories(betDir(), ec);
        ok = store.writeString(base::kSectionDefine, base::keys::kPat95Dir, kClientExeOnDrive) &&
             store.writeString(base::kSectionDefine, base::keys::kBetFileDir, kBetFolderOnDrive) &&
             store.writeInt(base::kSectionDefine, base::keys::kSkipAnn, 0) && base::StoreCredentials(store, settings);
        if (!ok) error = "cannot write " + path;
    });
    return ok;
}

}  // namespace simhome
