#include "frontends/campaign/campaign_session.h"

#include <stdlib.h>

#include <filesystem>

#include "base/profile_store.h"
#include "frontends/cli/bet_window.h"
#include "frontends/simhome/sim_home.h"
#include "platform/clock.h"

namespace campaign {

namespace {

// A directory of its own for the session's home, removed at the end.
class SessionDirectory {
public:
    SessionDirectory() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "ornel-campaign-XXXXXX").string();
        if (!ec && mkdtemp(pattern.data())) path_ = pattern + "/";
    }
    ~SessionDirectory() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

SessionLog RunSession(std::uint64_t seed) {
    const SessionPlan plan = PlanSession(seed);
    SessionLog log;
    SessionDirectory directory;
    if (directory.path().empty()) {
        log.violations.push_back("set-up: no temporary directory");
        return log;
    }
    simhome::SimHomeOptions options;
    options.home = directory.path();
    options.startTime = plan.startTime;
    options.seed = seed;
    if (!plan.scale.empty()) options.faults.push_back(plan.scale);
    simhome::SimHome home;
    std::string error;
    if (!home.open(options, error)) {
        log.violations.push_back("set-up: " + error);
        return log;
    }
    const std::string clientDir = std::filesystem::path(home.clientExePath()).parent_path().string() + "/";
    const bool ended = home.runOrnel(
        [&] {
            base::FileProfileStore profile(base::ProgramProfilePath());
            cli::BetRunWorld world(profile, plat::now());
            CampaignWindow window(world, plan, clientDir, home.user(), log);
            window.doModal(0);
        },
        kSessionLimitMs);
    if (!ended) log.violations.push_back("the session did not end");
    return log;
}

}  // namespace campaign
