// `ornel settings`: loads a settings profile exactly as the program's
// start-up does (writes included) and lists what is then in memory.
#include <filesystem>
#include <string>

#include "base/load_settings.h"
#include "base/settings_listing.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "settings";

struct SettingsOptions {
    std::string ini;
    bool showCredentials = false;
    TerminalEncoding encoding;
};

bool parseOptions(const Args& args, SettingsOptions& o, std::string& error) {
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        if (o.encoding.take(a)) {
            continue;
        } else if (a == "--show-credentials") {
            o.showCredentials = true;
        } else if (a == "--ini") {
            if (!options.value(o.ini, error)) return false;
        } else {
            error = options.notTaken();
            return false;
        }
    }
    if (o.ini.empty()) error = missingOption("--ini FILE");
    return error.empty() && o.encoding.complete(error);
}

int runSettings(const Args& args) {
    SettingsOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);

    // A missing profile is what a first start meets: every key takes its
    // default.  A profile that exists must be readable.
    std::error_code ec;
    if (std::filesystem::exists(o.ini, ec)) {
        std::string unused;
        if (!readInput(o.ini, unused, error)) return commandError(kName, error);
    }
    const std::string path = std::filesystem::absolute(o.ini, ec).string();

    HeadlessDesktop desk(plat::now());
    if (!desk.ready()) return commandError(kName, "cannot make a temporary directory");
    base::Settings settings;
    if (!desk.runOrnel([&] { base::LoadSettings(path, settings); }))
        return commandError(kName, "loading did not finish");
    writeOut(outputText(base::ListSettings(settings, o.showCredentials), o.encoding.utf8Output()));
    return kExitOk;
}

}  // namespace

extern const Command kSettingsCommand = {
    kName,
    "--ini FILE [--show-credentials] [--utf8|--sjis]",
    "Loads the settings profile FILE as the program's start-up does (the credential\n"
    "migration and the \"Bet File Watch Distance\" correction are written to FILE)\n"
    "and prints every setting as Key=Value, section \"Define\" then \"Pat Define\".\n"
    "A missing FILE gives the defaults.\n"
    "\n"
    "  --ini FILE          the settings profile (required)\n"
    "  --show-credentials  print the user ID and password too\n"
    "  --utf8              UTF-8 output whatever the locale\n"
    "  --sjis              Shift-JIS output whatever the locale\n",
    runSettings,
};

}  // namespace cli
