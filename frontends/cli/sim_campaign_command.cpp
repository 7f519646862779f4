// `ornel sim campaign`: seeded sessions of several runs on one running
// client with random lists, settings, faults and STOPs, each run checked
// against the centre's ledger; a failing session's seed replays it.
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "frontends/campaign/campaign_plan.h"
#include "frontends/campaign/campaign_session.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "sim campaign";
constexpr int kDefaultSessions = 100;
constexpr std::uint64_t kMostSessions = 1'000'000;
constexpr std::uint64_t kDefaultSeed = 1;
constexpr std::uint64_t kMostJobs = 64;

struct CampaignOptions {
    int sessions = kDefaultSessions;
    std::uint64_t seed = kDefaultSeed;
    int jobs = 1;
    std::optional<std::uint64_t> replay;
    TerminalEncoding encoding;
};

bool parseOptions(const Args& args, CampaignOptions& o, std::string& error) {
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        if (o.encoding.take(a)) continue;
        std::uint64_t n = 0;
        if (a == "--runs") {
            if (!options.wholeNumberValue(1, kMostSessions, n, error)) return false;
            o.sessions = static_cast<int>(n);
        } else if (a == "--jobs") {
            if (!options.wholeNumberValue(1, kMostJobs, n, error)) return false;
            o.jobs = static_cast<int>(n);
        } else if (a == "--seed" || a == "--replay") {
            if (!options.wholeNumberValue(0, UINT64_MAX, n, error)) return false;
            if (a == "--seed") o.seed = n;
            else o.replay = n;
        } else {
            error = options.notTaken();
            return false;
        }
    }
    return o.encoding.complete(error);
}

struct SessionResult {
    std::uint64_t seed = 0;
    int runs = 0;
    std::vector<std::string> violations;
    bool reported = false;
};

SessionResult runOne(std::uint64_t seed) {
    const campaign::SessionLog log = campaign::RunSession(seed);
    return {seed, log.runs, log.violations, true};
}

// A worker's results in a file: per session its index, runs and violation
// count, then the violations, one per line.
void writeResults(const std::string& path, const std::vector<std::pair<int, SessionResult>>& results) {
    std::ofstream out(path, std::ios::binary);
    for (const auto& [index, r] : results) {
        out << index << ' ' << r.runs << ' ' << r.violations.size() << '\n';
        for (const std::string& v : r.violations) out << v << '\n';
    }
}

void readResults(const std::string& path, std::vector<SessionResult>& results) {
    std::ifstream in(path, std::ios::binary);
    std::string header;
    while (std::getline(in, header)) {
        std::istringstream fields(header);
        int index = 0, runs = 0;
        std::size_t count = 0;
        if (!(fields >> index >> runs >> count) || index < 0 || index >= static_cast<int>(results.size())) return;
        SessionResult& r = results[static_cast<std::size_t>(index)];
        r.runs = runs;
        r.reported = true;
        for (std::size_t i = 0; i < count; ++i) {
            std::string line;
            if (!std::getline(in, line)) return;
            r.violations.push_back(line);
        }
    }
}

// The sessions shared out among worker processes (each its own simulated
// desktop); every worker writes its results to a file of its own.
bool runInWorkers(const CampaignOptions& o, std::vector<SessionResult>& results) {
    std::error_code ec;
    std::string directory = (std::filesystem::temp_directory_path(ec) / "ornel-campaign-jobs-XXXXXX").string();
    if (ec || !mkdtemp(directory.data())) return false;
    std::fflush(stdout);
    std::fflush(stderr);
    std::vector<pid_t> workers;
    for (int job = 0; job < o.jobs; ++job) {
        const pid_t pid = fork();
        if (pid < 0) break;
        if (pid == 0) {
            std::vector<std::pair<int, SessionResult>> mine;
            for (int i = job; i < o.sessions; i += o.jobs)
                mine.emplace_back(i, runOne(results[static_cast<std::size_t>(i)].seed));
            writeResults(directory + "/" + std::to_string(job), mine);
            std::_Exit(0);
        }
        workers.push_back(pid);
    }
    for (const pid_t pid : workers) waitpid(pid, nullptr, 0);
    for (int job = 0; job < static_cast<int>(workers.size()); ++job)
        readResults(directory + "/" + std::to_string(job), results);
    std::filesystem::remove_all(directory, ec);
    return static_cast<int>(workers.size()) == o.jobs;
}

void printSummary(int runs, int sessions, int violations) {
    std::printf("runs %d sessions %d violations %d\n", runs, sessions, violations);
}

int replay(const CampaignOptions& o) {
    const bool utf8 = o.encoding.utf8Output();
    const std::uint64_t seed = *o.replay;
    const campaign::SessionPlan plan = campaign::PlanSession(seed);
    const plat::LocalTime start = plat::localTime(plan.startTime);
    std::printf("session %llu: %04d-%02d-%02d %02d:%02d%s%s\n", static_cast<unsigned long long>(seed), start.year,
                start.month, start.day, start.hour, start.minute, plan.scale.empty() ? "" : ", ",
                plan.scale.c_str());
    const campaign::SessionLog log = campaign::RunSession(seed);
    for (const std::string& e : log.events) std::printf("%s\n", outputText(e, utf8).c_str());
    for (const std::string& v : log.violations) std::printf("violation %s\n", outputText(v, utf8).c_str());
    printSummary(log.runs, 1, static_cast<int>(log.violations.size()));
    return log.violations.empty() ? kExitOk : kExitFailed;
}

int runSimCampaign(const Args& args) {
    CampaignOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);
    if (o.replay) return replay(o);

    std::vector<SessionResult> results(static_cast<std::size_t>(o.sessions));
    for (int i = 0; i < o.sessions; ++i) results[static_cast<std::size_t>(i)].seed = campaign::SessionSeed(o.seed, i);
    if (o.jobs > 1) {
        if (!runInWorkers(o, results)) return commandError(kName, "cannot start the worker processes");
    } else {
        for (SessionResult& r : results) r = runOne(r.seed);
    }

    int runs = 0;
    int violations = 0;
    for (const SessionResult& r : results) {
        runs += r.runs;
        std::vector<std::string> broken = r.violations;
        if (!r.reported) broken.push_back("the session's worker ended without reporting it");
        violations += static_cast<int>(broken.size());
        if (broken.empty()) continue;
        std::string line = outputText(broken.front(), o.encoding.utf8Output());
        if (broken.size() > 1) line += " (and " + std::to_string(broken.size() - 1) + " more)";
        std::printf("violation seed %llu: %s\n", static_cast<unsigned long long>(r.seed), line.c_str());
    }
    printSummary(runs, o.sessions, violations);
    return violations == 0 ? kExitOk : kExitFailed;
}

}  // namespace

extern const Command kSimCampaignCommand = {
    "campaign",
    "[--runs N] [--seed S] [--jobs J] [--replay SEED] [--utf8|--sjis]",
    "Runs N seeded sessions, each on a fresh simulated home with the strict client\n"
    "and two to five runs of the 投票 command on the one running client: random\n"
    "lists the day's terms sell, settings, faults of the client (some written at\n"
    "a random line of the run), STOPs, and later runs on what a run left.  After\n"
    "every run it checks that the bets the centre accepted and the bets left in\n"
    "the list are the list given, and that \"result 1\" came only with nothing\n"
    "left.  Prints \"violation seed SEED: RULE\" for each session that broke a rule\n"
    "and \"runs N sessions N violations N\".  Exit status 1 with violations.\n"
    "\n"
    "  --runs N        the number of sessions (1 to 1000000; default 100)\n"
    "  --seed S        the seed the sessions' seeds follow from (default 1)\n"
    "  --jobs J        share the sessions among J processes (1 to 64; default 1)\n"
    "  --replay SEED   run the session of that seed alone and tell it run by run\n"
    "  --utf8, --sjis  the output's encoding (default: the locale's)\n",
    runSimCampaign,
};

}  // namespace cli
