// `ornel settings`: loads a settings profile exactly as the program's
// start-up does (writes included) and lists what is then in memory.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/load_settings.h"
#include "base/settings_listing.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/headless_desktop.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "settings";

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

int runSettings(const Args& args) {
    std::string ini;
    bool showCredentials = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--show-credentials") {
            showCredentials = true;
        } else if (args[i] == "--ini" && i + 1 < args.size()) {
            ini = args[++i];
        } else {
            return fail(args[i] == "--ini" ? "--ini needs a value" : "unknown argument " + args[i]);
        }
    }
    if (ini.empty()) return fail("--ini FILE is required");

    // A missing profile is what a first start meets: every key takes its
    // default.  A profile that exists must be readable.
    std::error_code ec;
    if (std::filesystem::exists(ini, ec)) {
        std::string unused, error;
        if (!readInput(ini, unused, error)) return fail(error);
    }
    const std::string path = std::filesystem::absolute(ini, ec).string();

    HeadlessDesktop desk(plat::now());
    if (!desk.ready()) return fail("cannot make a temporary directory");
    base::Settings settings;
    if (!desk.runOrnel([&] { base::LoadSettings(path, settings); }))
        return fail("loading did not finish");
    writeOut(base::ListSettings(settings, showCredentials));
    return 0;
}

}  // namespace

extern const Command kSettingsCommand = {
    kName,
    "settings --ini FILE [--show-credentials]",
    runSettings,
};

}  // namespace cli
