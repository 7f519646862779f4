#include "frontends/cli/client_files_options.h"

#include "frontends/cli/cli_text.h"
#include "frontends/cli/host_paths.h"
#include "frontends/cli/option_reader.h"

namespace cli {

bool ReadClientFilesOptions(const Args& args, const ClientFilesArgs& takes, ClientFilesOptions& o,
                            std::string& error) {
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        if (o.encoding.take(a)) {
            continue;
        } else if (a == "--client-dir") {
            if (!options.value(o.clientDir, error)) return false;
        } else if (a == "--ini") {
            if (!options.value(o.ini, error)) return false;
        } else if (takes.betDir && a == "--bet-dir") {
            if (!options.value(o.betDir, error)) return false;
        } else if (a == "--now") {
            if (!options.localTimeValue(o.now, error)) return false;
            o.hasNow = true;
        } else if (!takes.file || options.currentIsOption() || !o.file.empty()) {
            error = options.notTaken();
            return false;
        } else {
            o.file = a;
        }
    }
    if (o.clientDir.empty()) {
        error = missingOption("--client-dir DIR");
    } else if (takes.betDirRequired && o.betDir.empty()) {
        error = missingOption("--bet-dir DIR");
    } else if (takes.file && o.file.empty()) {
        error = "missing FILE";
    }
    // Named from here: the program takes relative paths in its own directory.
    for (std::string* path : {&o.clientDir, &o.betDir, &o.file}) *path = fromWorkingDirectory(*path);
    return error.empty() && o.encoding.complete(error);
}

bool ResolveWrittenProfile(ClientFilesOptions& o, std::string& error) {
    if (o.ini.empty()) return true;
    if (pathExists(o.ini)) {
        std::string unused;
        if (!readInput(o.ini, unused, error)) return false;
    }
    o.ini = absolutePath(o.ini);
    return true;
}

BatchSetup ClientFilesSetup(const ClientFilesOptions& o) {
    BatchSetup setup;
    setup.ini = o.ini;
    setup.readOnlyProfile = false;
    setup.clientDir = o.clientDir;
    if (!o.betDir.empty()) {
        setup.betDirectory = BetDirectory::Given;
        setup.betDir = o.betDir;
    }
    return setup;
}

}  // namespace cli
