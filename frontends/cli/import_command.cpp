// `ornel import`: bet text in any of the known formats pasted into the
// program's empty bet list, so that it is staged, imported and re-parsed by
// the program's own code; the resulting list and the boxes shown come out.
// The paste's bet-log entry goes to the throwaway desktop.
#include <cstdio>
#include <string>

#include "frontends/cli/batch_options.h"
#include "frontends/cli/batch_program.h"
#include "frontends/cli/commands.h"

namespace cli {

namespace {

constexpr const char* kName = "import";

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

int runImport(const Args& args) {
    BatchOptions o;
    std::string error;
    if (!readBatchOptions(args, false, o, error)) return fail(error);
    if (o.file.empty()) return fail("FILE is required (- for standard input)");
    std::string input;
    if (!readBetText(o, input, error)) return fail(error);

    BatchSetup setup;
    setup.ini = o.ini;
    setup.clientDir = o.clientDir;
    setup.betDirectory = BetDirectory::Throwaway;
    return RunBatchProgram(kName, o, setup, [&](simhome::ProgramRun& run, HeadlessDesktop&) {
        run.pasteIntoList(input);
        return true;
    });
}

}  // namespace

extern const Command kImportCommand = {
    kName,
    "import [--utf8] [--answer yes|no] [--ini FILE] [--client-dir DIR --now \"YYYY-MM-DD HH:MM\"] FILE",
    runImport,
};

}  // namespace cli
