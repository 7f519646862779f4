#include "frontends/cli/batch_options.h"

#include <filesystem>

#include "frontends/cli/cli_text.h"
#include "frontends/cli/option_reader.h"
#include "platform/sjis.h"
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
        if (readExtraFlag(a, extraFlags)) {
            continue;
        } else if (a == "--utf8") {
            o.utf8 = true;
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
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else if (!o.file.empty()) {
            error = "more than one input file";
            return false;
        } else {
            o.file = a;
        }
    }
    if (!o.clientDir.empty() && !o.hasNow) {
        error = "--client-dir needs --now";
        return false;
    }
    if (withBetDir && o.betDir.empty()) {
        error = "--bet-dir DIR is required";
        return false;
    }
    // A profile named without a directory would be looked for in the Windows
    // directory, as the private-profile calls do: name it from here instead.
    if (!o.ini.empty()) {
        std::error_code ec;
        o.ini = std::filesystem::absolute(o.ini, ec).string();
    }
    return true;
}

bool readBetText(const BatchOptions& o, std::string& text, std::string& error) {
    if (!readInput(o.file, text, error)) return false;
    if (!o.ini.empty()) {
        std::string unused;
        if (!readInput(o.ini, unused, error)) return false;
    }
    if (o.utf8) text = sjis::fromUtf8(text);
    text = withCrLf(text);
    return true;
}

}  // namespace cli
