// `ornel parse`: bet text in, the canonical bet list and the messages out,
// computed by the program's own parsing on a headless desktop.
#include <cstdio>
#include <string>

#include "base/load_settings.h"
#include "base/message_box_notifier.h"
#include "base/profile_store.h"
#include "betdata/amount_limits.h"
#include "betdata/bet_grammar.h"
#include "base/bet_list_edit.h"
#include "betdata/sort_and_merge.h"
#include "frontends/cli/batch_options.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/client_terms.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/list_fit.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

constexpr const char* kName = "parse";
constexpr const char* kWindowClass = "OrnelBatchList";
// The list edit of the main window: multi-line, typed letters upper-cased.
constexpr plat::Dword kListStyle = plat::WS_CHILD | plat::WS_VISIBLE | plat::WS_VSCROLL |
                                   plat::ES_MULTILINE | plat::ES_UPPERCASE |
                                   plat::ES_AUTOVSCROLL | plat::ES_WANTRETURN;
constexpr int kListId = 1000;

struct ParseOptions : BatchOptions {
    bool merge = false;
    bool checkLimits = false;
};

bool parseOptions(const Args& args, ParseOptions& o, std::string& error) {
    return readBatchOptions(args, false, o, error, {{"--merge", &o.merge}, {"--check-limits", &o.checkLimits}});
}

// What one run of the bet list produced.
struct ParseResult {
    std::string listText;
    betdata::LimitDecision limits = betdata::LimitDecision::Proceed;
};

// The program's side: the list edit in a window, the parse, the limits.
void parseOnDesktop(const ParseOptions& o, const std::string& text, ParseResult& result) {
    // The settings are only read: writes that loading would make (the
    // credential migration, the watch distance) are dropped.
    base::Settings settings;
    if (!o.ini.empty()) {
        base::FileProfileStore file(o.ini);
        base::ReadOnlyProfileStore readOnly(file);
        base::LoadSettings(readOnly, settings, plat::now());
    }

    plat::registerClass(kWindowClass, plat::defWindowProc);
    plat::CreateParams window;
    window.className = kWindowClass;
    window.caption = base::kProgramCaption;
    window.style = plat::WS_OVERLAPPED | plat::WS_CAPTION;
    window.rect = {0, 0, 400, 460};
    const plat::Hwnd main = plat::createWindow(window);
    plat::CreateParams edit;
    edit.className = "Edit";
    edit.style = kListStyle;
    edit.rect = {4, 60, 380, 440};
    edit.parent = main;
    edit.id = kListId;
    const plat::Hwnd list = plat::createWindow(edit);
    plat::sendMessage(list, plat::EM_LIMITTEXT, ui::kListTextLimit, 0);
    reportDroppedInput(kName, text, bytesTheListKeeps(text));
    // In as a paste would put it: upper-cased and cut at the limit.
    plat::sendMessage(list, plat::EM_SETSEL, 0, -1);
    plat::sendMessage(list, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(text.c_str()));

    base::MessageBoxNotifier notifier;
    notifier.setOwner(main);
    base::EditBetList betList(list);
    betdata::BetListState state;
    base::VotingTerms terms;
    if (!o.clientDir.empty()) loadClientTerms(o.clientDir, terms, notifier, plat::now());
    betdata::BetListContext ctx{betList, state, terms, notifier, nullptr};
    betdata::ParseBetList(ctx, true, o.merge ? betdata::SortAndMerge : nullptr);
    if (o.checkLimits) result.limits = betdata::CheckAmountLimits(state.table, settings, notifier);

    const auto length = static_cast<std::size_t>(plat::sendMessage(list, plat::WM_GETTEXTLENGTH, 0, 0));
    result.listText = plat::getWindowText(list, length + 1);
    plat::destroyWindow(main);
}

int runParse(const Args& args) {
    ParseOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);

    std::string input;
    if (!readBetText(o, input, error)) return commandError(kName, error);

    HeadlessDesktop desk(o.hasNow ? o.now : plat::now());
    if (!desk.ready()) return commandError(kName, "cannot make a temporary directory");
    desk.user().setDefaultQuestionAnswer(o.answer);
    ParseResult result;
    bool finished = desk.runOrnel([&] { parseOnDesktop(o, input, result); });

    const bool utf8 = o.encoding.utf8Output();
    writeOut(outputText(result.listText, utf8));
    printBoxes(stderr, desk.user(), utf8);
    if (!finished) return commandError(kName, "the run did not finish");
    if (o.checkLimits)
        std::fprintf(stderr, "limits %s\n",
                     result.limits == betdata::LimitDecision::Proceed ? "proceed" : "abort");
    return kExitOk;
}

}  // namespace

extern const Command kParseCommand = {
    kName,
    "[--utf8|--sjis] [--merge] [--check-limits] [--answer yes|no] [--ini FILE] "
    "[--client-dir DIR --now \"YYYY-MM-DD HH:MM\"] [FILE]",
    "Parses bet text as the program parses its bet list and prints the canonical\n"
    "list (CR LF line ends); each message box shown goes to standard error as\n"
    "\"ID TEXT\".\n"
    "\n"
    "  FILE             the bet text (standard input when absent or -); Shift-JIS\n"
    "  --utf8           the bet text is UTF-8, and so is the output\n"
    "  --sjis           Shift-JIS output whatever the locale\n"
    "  --merge          sort and merge as the Merge button does\n"
    "  --check-limits   ask the amount-limit questions, then print\n"
    "                   \"limits proceed\" or \"limits abort\" on standard error\n"
    "  --answer yes|no  the answer to every question (default yes)\n"
    "  --ini FILE       the settings profile (only read)\n"
    "  --client-dir DIR check the bets against the voting terms in DIR\n"
    "  --now TIME       the program clock, \"YYYY-MM-DD HH:MM\" (needed with --client-dir)\n",
    runParse,
};

}  // namespace cli
