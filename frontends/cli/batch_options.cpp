#include "frontends/cli/batch_options.h"

#include "frontends/cli/cli_text.h"
#include "frontends/cli/option_reader.h"
#include "platform/wintypes.h"

namespace cli {

namespace {

bool readExtraFlag(const std::string& arg, std::initializer_list<ExtraFlag> extraFlags) {
    for (const ExtraFlag& flag : extraFlags) {
        if (arg != flag.name) continue;
        *flag.value = true;
        return true;
    }
    return false;
}

}  // namespace

bool readBatchOptions(const Args& args, bool withBetDir, BatchOptions& o, std::string& error,
                      std::initializer_list<ExtraFlag> extraFlags) {
    o.answer = plat::IDYES;
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        std::string v;
        if (readExtraFlag(a, extraFlags) || o.encoding.take(a)) {
            continue;
        } else if (a == "--answer") {
            if (!options.value(v, error)) return false;
            if (v != "yes" && v != "no") {
                error = "--answer takes yes or no";
                return false;
            }
            o.answer = v == "yes" ? plat::IDYES : plat::IDNO;
        } else if (a == "--ini") {
            if (!options.value(o.ini, error)) return false;
        } else if (a == "--client-dir") {
            if (!options.value(o.clientDir, error)) return false;
        } else if (a == "--bet-dir" && withBetDir) {
            if (!options.value(o.betDir, error)) return false;
        } else if (a == "--now") {
            if (!options.localTimeValue(o.now, error)) return false;
            o.hasNow = true;
        } else if (options.currentIsOption() || !o.file.empty()) {
            error = options.notTaken();
            return false;
        } else {
            o.file = a;
        }
    }
    if (!o.encoding.complete(error)) return false;
    if (!o.clientDir.empty() && !o.hasNow) {
        error = missingOption("--now \"YYYY-MM-DD HH:MM\", which --client-dir needs");
        return false;
    }
    if (withBetDir && o.betDir.empty()) {
        error = missingOption("--bet-dir DIR");
        return false;
    }
    // Named from here: the program would look for a bare profile name in the
    // Windows directory, and for other relative paths in its own directory.
    for (std::string* path : {&o.ini, &o.clientDir, &o.betDir, &o.file}) *path = fromWorkingDirectory(*path);
    return true;
}

bool readBetText(const BatchOptions& o, std::string& text, std::string& error) {
    if (!readInput(o.file, text, error)) return false;
    if (!o.ini.empty()) {
        std::string unused;
        if (!readInput(o.ini, unused, error)) return false;
    }
    text = betTextFromInput(text, o.encoding.utf8Input());
    return true;
}

}  // namespace cli
