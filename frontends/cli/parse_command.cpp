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
#include "platform/clock.h"
#include "platform/window.h"

namespace cli {

namespace {

constexpr const char* kName = "parse";
constexpr const char* kWindowClass = "OrnelBatchList";
// The list edit of the main window: multi-line, typed letters upper-cased.
constexpr plat::Dword kListStyle = plat::WS_CHILD | plat::WS_VISIBLE | plat::WS_VSCROLL |
                                   plat::ES_MULTILINE | plat::ES_UPPERCASE |
                                   plat::ES_AUTOVSCROLL | plat::ES_WANTRETURN;
constexpr plat::Wparam kListTextLimit = 20480;
constexpr int kListId = 1000;

struct ParseOptions : BatchOptions {
    bool merge = false;
    bool checkLimits = false;
};

bool parseOptions(const Args& args, ParseOptions& o, std::string& error) {
    return readBatchOptions(args, false, o, error, {{"--merge", &o.merge}, {"--check-limits", &o.checkLimits}});
}

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
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
    plat::sendMessage(list, plat::EM_LIMITTEXT, kListTextLimit, 0);
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
    if (!parseOptions(args, o, error)) return fail(error);

    std::string input;
    if (!readBetText(o, input, error)) return fail(error);

    HeadlessDesktop desk(o.hasNow ? o.now : plat::now());
    if (!desk.ready()) return fail("cannot make a temporary directory");
    desk.user().setDefaultQuestionAnswer(o.answer);
    ParseResult result;
    bool finished = desk.runOrnel([&] { parseOnDesktop(o, input, result); });

    writeOut(outputText(result.listText, o.utf8));
    printBoxes(stderr, desk.user(), o.utf8);
    if (!finished) return fail("the run did not finish");
    if (o.checkLimits)
        std::fprintf(stderr, "limits %s\n",
                     result.limits == betdata::LimitDecision::Proceed ? "proceed" : "abort");
    return 0;
}

}  // namespace

extern const Command kParseCommand = {
    kName,
    "parse [--utf8] [--merge] [--check-limits] [--answer yes|no] [--ini FILE] "
    "[--client-dir DIR --now \"YYYY-MM-DD HH:MM\"] [FILE]",
    runParse,
};

}  // namespace cli
