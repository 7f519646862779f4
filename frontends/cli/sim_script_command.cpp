// `ornel sim script`: the whole program in a simulated home — process
// start-up, the main window's start-up, its timer — played by a script of
// the user's steps, with every box, dialog, sound and run reported as it
// happens.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "frontends/cli/cli_text.h"
#include "frontends/cli/ledger_lines.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/script_log.h"
#include "frontends/cli/script_player.h"
#include "frontends/cli/script_steps.h"
#include "frontends/cli/script_user.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/cli/terminal_encoding.h"
#include "frontends/simhome/program_run.h"
#include "frontends/simhome/sim_home.h"
#include "platform/sjis.h"

namespace cli {

namespace {

constexpr const char* kName = "sim script";

struct ScriptOptions {
    simhome::SimHomeOptions home;
    TerminalEncoding encoding;
    std::string script;
};

bool parseOptions(const Args& args, ScriptOptions& o, std::string& error) {
    SimHomeOptionReader home(o.home);
    bool hasScript = false;
    const auto own = [&](OptionReader& options, std::string&) {
        if (options.currentIsOption() || hasScript) return HomeOption::NotHome;
        o.script = options.current();
        hasScript = true;
        return HomeOption::Taken;
    };
    if (!ReadSimOperationOptions(args, home, o.encoding, error, own)) return false;
    if (!hasScript) error = "missing SCRIPT";
    return hasScript;
}

// The steps of the script; false with the reason (a line that cannot be
// read, or a file of a `drop` that cannot).
bool readScript(const ScriptOptions& o, const std::string& scriptDir, std::vector<ScriptStep>& steps,
                std::string& error) {
    std::string bytes;
    if (!readInput(o.script, bytes, error)) return false;
    const std::string text = o.encoding.utf8Input() ? sjis::fromUtf8(bytes) : bytes;
    if (!ParseScript(text, steps, error)) return false;
    for (const ScriptStep& step : steps) {
        std::string unused;
        if (step.kind == ScriptStep::Kind::Drop && !readInput(ScriptFilePath(scriptDir, step.file), unused, error)) {
            error = "line " + std::to_string(step.line) + ": " + error;
            return false;
        }
    }
    return true;
}

int runSimScript(const Args& args) {
    ScriptOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);
    const bool utf8 = o.encoding.utf8Output();
    std::error_code ec;
    std::string scriptDir = std::filesystem::absolute(o.script, ec).parent_path().string();
    if (!scriptDir.empty() && scriptDir.back() != '/') scriptDir += '/';
    std::vector<ScriptStep> steps;
    if (!readScript(o, scriptDir, steps, error)) return commandError(kName, outputText(error, utf8));

    simhome::SimHome home;
    if (!home.open(o.home, error)) return commandError(kName, error);
    ScriptLog log(home.desktop(), o.home.startTime, utf8);
    app::ProgramOptions program;
    program.clientOperated = [&log](int command, int result) {
        log.add("client " + std::to_string(command) + " -> " + std::to_string(result));
    };
    simhome::ProgramRun run(home.desk(), std::move(program));
    ScriptUser user(home.user(), log, [&run] { return run.mainWindow(); });
    home.desktop().setUser(&user);
    ScriptPlayer player(run, home.desktop(), user, log,
                        {.scriptDir = scriptDir, .utf8Files = o.encoding.utf8Input(), .startTime = o.home.startTime});
    player.play(steps);
    log.printRaw("ledger\n" + DayLedgerAsBetList(home, o.home.startTime));
    home.desktop().setUser(&home.user());
    return kExitOk;
}

}  // namespace

extern const Command kSimScriptCommand = {
    "script",
    "--home DIR [--now \"YYYY-MM-DD HH:MM\"] [--seed S] [--scale X] [--fault NAME]... [--utf8|--sjis] SCRIPT",
    "Runs the whole program in the simulated home DIR — its start-up, its main\n"
    "window, its two-second timer — in virtual time from --now, and plays SCRIPT,\n"
    "one step a line (# starts a comment):\n"
    "\n"
    "  at HH:MM[:SS]         let the desktop run until that time of the day\n"
    "  wait N | Ns | Nm      let it run N seconds (or minutes)\n"
    "  idle                  until no run lasts and no box or dialog is open\n"
    "                        (at most an hour)\n"
    "  click CAPTION         press the button (投票 STOP 読込 ﾏ-ｼﾞ ｸﾘｱ AUTO MANU ？)\n"
    "  command ID            choose the command from the context menu (or the\n"
    "                        system menu, for ids only it has)\n"
    "  type TEXT             type into the bet list at its caret (\\n is Enter)\n"
    "  paste TEXT            put TEXT on the clipboard and paste it (Ctrl+V)\n"
    "  drop FILE NAME        write FILE (beside SCRIPT) into the bet-file\n"
    "                        directory as NAME, stamped with the virtual time\n"
    "  answer MATCH REPLY    the next box or dialog whose message id, caption or\n"
    "                        text begins with MATCH gets REPLY: ok, cancel, yes,\n"
    "                        no, a button's caption or a control id\n"
    "  field MATCH ID VALUE  in the next dialog MATCH matches, control ID is set\n"
    "                        to VALUE (a check box: 1 or 0) before the reply\n"
    "  close                 ask the main window to close\n"
    "  show                  print the status box, the bet list, the buttons,\n"
    "                        the mode and the run state\n"
    "\n"
    "A box or dialog without an answer gets OK (Yes for questions).  Prints one\n"
    "line per event, each after its virtual time HH:MM:SS: box ID TEXT -> REPLY,\n"
    "dialog CAPTION -> REPLY, beep KIND, sound FILE, flash, client COMMAND ->\n"
    "RESULT, run start, run end N, window closed, poweroff; at the end \"ledger\"\n"
    "and every bet the centre accepted that day.  Exit status 2 for a usage\n"
    "error or a line of SCRIPT that cannot be read.\n"
    "\n"
    "  SCRIPT   the script (Shift-JIS, or UTF-8 with --utf8, which also reads the\n"
    "           files of drop as UTF-8)\n"
    "The home options (--home, --now, --seed, --scale, --fault) and --sjis: see\n"
    "ornel sim --help.\n",
    runSimScript,
};

}  // namespace cli
