#include "frontends/simhome/sim_home.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/credentials.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "base/settings_keys.h"
#include "betclient/centre/day_text.h"
#include "betclient/centre/generator.h"
#include "betclient/faults.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/simhome/client_install.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window.h"

namespace simhome {

namespace {

constexpr const char* kClientFolder = "client/";
// Bet files and the day's bet log ("Bet File Dir" names the directory with
// its trailing separator).
constexpr const char* kBetFolder = "bets/";
constexpr const char* kFormClass = "ThunderRTForm";

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
bool clientAccount(const std::string& clientDir, centre::Account& account, std::string& error) {
    centre::Day day;
    if (!centre::parseDayText(readHostFile(clientDir + centre::kDayFileName), day, error)) return false;
    account = day.account;
    return true;
}

}  // namespace

SimHome::~SimHome() {
    if (desktop_) desktop_->setUser(nullptr);
}

std::string SimHome::ornelExePath() const { return home_ + cli::kOrnelExeName; }

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

    sim::Desktop::Options desktopOptions;
    desktopOptions.directory = home_;
    desktopOptions.startTime = options.startTime;
    desktop_ = std::make_unique<sim::Desktop>(desktopOptions);
    desktop_->setUser(&user_);
    user_.ignoreProgram(kClientProgram);  // the driver answers the client's boxes
    return installClientOnce(options, error) && createProfileOnce(error);
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
    clientExe_ = installClient(*desktop_, clientDir, install);
    bool faultsWritten = false;
    desktop_->call("installer", [&] { faultsWritten = betclient::writeFaults(clientDir, options.faults); });
    if (clientExe_.empty() || !faultsWritten) {
        error = "cannot install the client in " + clientDir;
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
        centre::Account account;
        if (!clientAccount(home_ + kClientFolder, account, error)) {
            ok = false;
            return;
        }
        base::FileProfileStore store(path);
        base::Settings settings;
        settings.userId = account.userId;
        settings.password = account.password;
        const std::string betDir = home_ + kBetFolder;
        std::error_code ec;
        std::filesystem::create_directories(betDir, ec);
        ok = store.writeString(base::kSectionDefine, base::keys::kPat95Dir, clientExe_) &&
             store.writeString(base::kSectionDefine, base::keys::kBetFileDir, betDir) &&
             store.writeInt(base::kSectionDefine, base::keys::kSkipAnn, 0) && base::StoreCredentials(store, settings);
        if (!ok) error = "cannot write " + path;
    });
    return ok;
}

bool SimHome::runOrnel(const std::function<void()>& fn, std::int64_t maxMs) {
    bool finished = false;
    desktop_->startProgram(cli::kOrnelProgram, ornelExePath(), [&] {
        fn();
        finished = true;
    });
    return desktop_->runUntil([&] { return finished; }, maxMs);
}

std::vector<std::string> SimHome::clientForms() const {
    std::vector<std::string> captions;
    for (plat::Hwnd w = plat::getWindow(plat::getDesktopWindow(), plat::GW_CHILD); w != 0;
         w = plat::getWindow(w, plat::GW_HWNDNEXT)) {
        if (plat::getClassName(w) == kFormClass && plat::isWindowVisible(w))
            captions.push_back(plat::getWindowText(w));
    }
    return captions;
}

}  // namespace simhome
