// `ornel timerbet`: bet text entered into the program's list (no voting
// terms in force), then タイマー投票ファイル出力; its dialog is confirmed with
// the values it proposes or with the ones given, and the file written into
// the bet-file directory comes out.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/strings.h"
#include "clientdata/timer_bet_dialog.h"
#include "clientdata/timer_bet_file.h"
#include "frontends/cli/batch_program.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/list_fit.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"
#include "ui/main_commands.h"

namespace cli {

namespace {

constexpr const char* kName = "timerbet";

// The dialog's fields in the order of "YY-MM-DD HH:MM".
constexpr int kMomentFields[] = {clientdata::kIdTimerBetYear, clientdata::kIdTimerBetMonth,
                                 clientdata::kIdTimerBetDay, clientdata::kIdTimerBetHour,
                                 clientdata::kIdTimerBetMinute};
constexpr char kMomentSeparators[] = "-- :";
// A value of --at goes into its field as typed, up to the year field's four
// digits; the dialog checks the ranges.
constexpr std::size_t kMostFieldDigits = 4;
// After OK, a dialog still open this long has refused a value (its range
// message was answered meanwhile).
constexpr std::int64_t kRefusalCheckMs = 1000;

struct TimerBetOptions {
    std::string betDir;
    bool hasNow = false;
    std::int64_t now = 0;
    bool hasAt = false;
    std::string at[5];  // the fields' texts, in kMomentFields order
    int headerMonth = 0;
    int headerDay = 0;
    TerminalEncoding encoding;
    std::string file;
};

// "YY-MM-DD HH:MM": five runs of digits (each up to kMostFieldDigits).
bool parseMoment(const std::string& text, std::string (&fields)[5]) {
    std::size_t at = 0;
    for (int i = 0; i < 5; ++i) {
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        if (at == start || at - start > kMostFieldDigits) return false;
        fields[i] = text.substr(start, at - start);
        if (i < 4 && (at >= text.size() || text[at++] != kMomentSeparators[i])) return false;
    }
    return at == text.size();
}

// "MM-DD" of a day some month has.
bool parseHeader(const std::string& text, int& month, int& day) {
    const std::size_t dash = text.find('-');
    std::uint64_t m = 0, d = 0;
    if (dash == std::string::npos || !parseWholeNumber(text.substr(0, dash), 12, m) ||
        !parseWholeNumber(text.substr(dash + 1), 31, d) || m == 0 || d == 0)
        return false;
    month = static_cast<int>(m);
    day = static_cast<int>(d);
    return true;
}

bool parseOptions(const Args& args, TimerBetOptions& o, std::string& error) {
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        std::string v;
        if (o.encoding.take(a)) {
            continue;
        } else if (a == "--bet-dir") {
            if (!options.value(o.betDir, error)) return false;
        } else if (a == "--now") {
            if (!options.localTimeValue(o.now, error)) return false;
            o.hasNow = true;
        } else if (a == "--at") {
            if (!options.value(v, error)) return false;
            if (!parseMoment(v, o.at)) {
                error = "--at takes \"YY-MM-DD HH:MM\"";
                return false;
            }
            o.hasAt = true;
        } else if (a == "--header") {
            if (!options.value(v, error)) return false;
            if (!parseHeader(v, o.headerMonth, o.headerDay)) {
                error = "--header takes MM-DD (month 1 to 12, day 1 to 31)";
                return false;
            }
        } else if (options.currentIsOption() || !o.file.empty()) {
            error = options.notTaken();
            return false;
        } else {
            o.file = a;
        }
    }
    if (o.betDir.empty()) error = missingOption("--bet-dir DIR");
    else if (o.file.empty()) error = "missing FILE (- for standard input)";
    return error.empty() && o.encoding.complete(error);
}

// What the user saw of the dialog and did with it.
struct DialogOutcome {
    bool shown = false;
    clientdata::TimerBetMoment proposed;   // its values as it opened
    clientdata::TimerBetMoment confirmed;  // as OK took them
    bool refused = false;                  // a value out of range: cancelled
};

// Texts in kMomentFields order, read as numbers as the dialog's data
// exchange reads them.
clientdata::TimerBetMoment momentOf(const std::string (&texts)[5]) {
    return {std::atoi(texts[0].c_str()), std::atoi(texts[1].c_str()), std::atoi(texts[2].c_str()),
            std::atoi(texts[3].c_str()), std::atoi(texts[4].c_str())};
}

// Confirms the dialog with its own values or with those of --at typed in
// (posted before the press on OK, so they arrive first); a dialog still
// open after OK has refused a value and is cancelled.
void answerDialog(sim::ScriptedUser& user, const TimerBetOptions& o, DialogOutcome& out) {
    user.onDialog(clientdata::kTimerBetDialogCaption, [&o, &out](sim::Desktop& desktop, const sim::ModalInfo& info) {
        const plat::Hwnd dialog = info.window;
        out.shown = true;
        std::string shownTexts[5];
        for (int i = 0; i < 5; ++i) shownTexts[i] = plat::getWindowText(plat::getDlgItem(dialog, kMomentFields[i]));
        out.proposed = momentOf(shownTexts);
        out.confirmed = out.proposed;
        if (o.hasAt) {
            for (int i = 0; i < 5; ++i) sim::typeIntoField(dialog, kMomentFields[i], o.at[i]);
            out.confirmed = momentOf(o.at);
        }
        sim::pressButton(dialog, plat::IDOK);
        desktop.act(kRefusalCheckMs, [dialog, &out] {
            if (!plat::isWindow(dialog)) return;
            out.refused = true;
            sim::pressButton(dialog, plat::IDCANCEL);
        });
    });
}

bool cannotWriteShown(const sim::ScriptedUser& user) {
    for (const auto& seen : user.seenFrom(kOrnelProgram))
        if (seen.info.isMessageBox && seen.info.text == base::kTextCannotWriteFile) return true;
    return false;
}

std::string momentText(const clientdata::TimerBetMoment& m) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%02d %02d:%02d", m.year, m.month, m.day, m.hour, m.minute);
    return text;
}

int runTimerBet(const Args& args) {
    TimerBetOptions o;
    std::string error, text;
    if (!parseOptions(args, o, error)) return usageError(kName, error);
    if (!readInput(o.file, text, error)) return commandError(kName, error);
    text = betTextFromInput(text, o.encoding.utf8Input());

    HeadlessDesktop desk(o.hasNow ? o.now : plat::now());
    if (!desk.ready()) return commandError(kName, "cannot make a temporary directory");
    BatchSetup setup;
    setup.betDirectory = BetDirectory::Given;
    setup.betDir = std::filesystem::absolute(o.betDir).string();
    simhome::ProgramRun run(desk.desk(), BatchProgramOptions(setup, desk));
    DialogOutcome dialog;
    answerDialog(desk.user(), o, dialog);

    bool finished = run.start() && reportDroppedInput(kName, text, run) && run.enterIntoList(text);
    if (finished && o.headerMonth != 0) {
        run.program().betList.headerMonth = o.headerMonth;
        run.program().betList.headerDay = o.headerDay;
    }
    finished = finished && run.chooseFromSystemMenu(ui::kIdTimerBetFile) && run.close() && run.ended();

    const bool utf8 = o.encoding.utf8Output();
    const clientdata::TimerBetMoment& m = dialog.confirmed;
    const std::string path = betDirectorySetting(setup.betDir) +
                             clientdata::TimerBetFileName(m.month, m.day, m.hour, m.minute);
    std::string written;
    const bool wasWritten =
        dialog.shown && !dialog.refused && !cannotWriteShown(desk.user()) && readInput(path, written, error);
    if (dialog.shown) std::printf("proposed %s\n", momentText(dialog.proposed).c_str());
    if (wasWritten) {
        std::printf("written %s\n", path.c_str());
        std::fflush(stdout);
        writeOut(outputText(written, utf8));
    }
    std::fflush(stdout);
    printBoxes(stderr, desk.user(), utf8);
    if (!finished) return commandError(kName, "the run did not finish");
    return dialog.shown && !wasWritten ? kExitFailed : kExitOk;
}

}  // namespace

extern const Command kTimerBetCommand = {
    kName,
    "--bet-dir DIR [--now \"YYYY-MM-DD HH:MM\"] [--at \"YY-MM-DD HH:MM\"] [--header MM-DD] [--utf8|--sjis] FILE",
    "Writes the bets of FILE as a timer-bet file, as タイマー投票ファイル出力 does:\n"
    "the text is entered into the bet list (no voting terms in force), the dialog\n"
    "タイマー投票予約 is confirmed, and TMDDHHMM.BET is written into DIR.  Prints\n"
    "proposed YY-MM-DD HH:MM (the dialog's values as it opened), then\n"
    "written PATH and the file.  An empty list prints nothing.  The boxes shown go\n"
    "to standard error.  Exit status 1 when a value of --at is out of range (the\n"
    "dialog's message, nothing written) or the file could not be written.\n"
    "\n"
    "  FILE             the bet text (- for standard input); Shift-JIS\n"
    "  --bet-dir DIR    the bet-file directory (required)\n"
    "  --now TIME       the program clock, \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --at MOMENT      typed into the dialog, \"YY-MM-DD HH:MM\" (年 0 to 9999,\n"
    "                   月 1 to 12, 日 1 to 31, 時 9 to 16, 分 0 to 59)\n"
    "  --header MM-DD   the month and day of the last import's header, which the\n"
    "                   dialog proposes\n"
    "  --utf8           the bet text is UTF-8, and so is the output\n"
    "  --sjis           Shift-JIS output whatever the locale\n",
    runTimerBet,
};

}  // namespace cli
