// `ornel terms`: the data part of the main window's start-up — the running
// totals, today's bet file, the newest vote log, the voting terms — run on a
// headless desktop, then the status box and the meetings as the program
// holds them.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "app/load_settings.h"
#include "app/message_box_notifier.h"
#include "app/profile_store.h"
#include "app/settings_keys.h"
#include "betdata/bet_file_paths.h"
#include "betdata/bet_status.h"
#include "clientdata/current_info.h"
#include "clientdata/terms_reader.h"
#include "clientdata/vote_log.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/local_time_arg.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace cli {

namespace {

constexpr const char* kName = "terms";
constexpr const char* kClientExeName = "/Pat95.exe";  // "Pat95 Dir" = DIR + this
constexpr const char* kBetDirSuffix = "/";            // "Bet File Dir" = DIR2 + this
constexpr int kTermsNotCheckedMessage = 8145;         // 投票要項ノンチェックモードで動作します。

constexpr const char* kWindowClass = "OrnelBatchTerms";
// The status box of the main window: a read-only multi-line edit.
constexpr plat::Dword kStatusStyle =
    plat::WS_CHILD | plat::WS_VISIBLE | plat::WS_VSCROLL | plat::ES_MULTILINE | plat::ES_READONLY;
constexpr int kStatusBoxId = 1001;

struct TermsOptions {
    std::string clientDir;
    std::string ini;      // absolute path; empty: default settings, nothing written
    std::string betDir;
    bool hasNow = false;
    std::int64_t now = 0;
    bool utf8 = false;
};

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

bool parseOptions(const Args& args, TermsOptions& o, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--utf8") {
            o.utf8 = true;
        } else if (a == "--client-dir") {
            if (!value(o.clientDir)) return false;
        } else if (a == "--ini") {
            if (!value(o.ini)) return false;
        } else if (a == "--bet-dir") {
            if (!value(o.betDir)) return false;
        } else if (a == "--now") {
            if (!value(v)) return false;
            if (!parseLocalTimeArg(v, o.now)) {
                error = "--now takes \"YYYY-MM-DD HH:MM\"";
                return false;
            }
            o.hasNow = true;
        } else {
            error = "unknown argument " + a;
            return false;
        }
    }
    if (o.clientDir.empty()) {
        error = "--client-dir DIR is required";
        return false;
    }
    return true;
}

// The main window and the settings as the vote-log reader sees them.
class StartUpHost : public clientdata::VoteLogHost {
public:
    StartUpHost(plat::Hwnd main, plat::Hwnd statusBox, const betdata::BetListState& list,
                clientdata::VotingTerms& terms, app::Settings& settings, app::ProfileStore* profile)
        : main_(main), statusBox_(statusBox), list_(list), terms_(terms), settings_(settings), profile_(profile) {}

    std::string mainCaption() override { return plat::getWindowText(main_); }
    void setMainCaption(const std::string& caption) override { plat::setWindowText(main_, caption); }
    void showBetStatus() override { betdata::ShowBetStatus(statusBox_, list_, terms_); }
    void storeCurrentInfo(const std::string& line) override {
        settings_.currentInfo = line;
        if (profile_) profile_->writeString(app::kSectionDefine, app::keys::kCurrentInfo, line);
    }

private:
    plat::Hwnd main_;
    plat::Hwnd statusBox_;
    const betdata::BetListState& list_;
    clientdata::VotingTerms& terms_;
    app::Settings& settings_;
    app::ProfileStore* profile_;
};

struct StartUpResult {
    std::string statusText;
    clientdata::VotingTerms terms;
    std::string betFilePath;
    std::string nextLogPath;
};

// The program's side, in the order of the main window's start-up.
void startUpOnDesktop(const TermsOptions& o, StartUpResult& result) {
    const std::int64_t clock = plat::now();  // the program clock
    app::Settings settings;
    std::unique_ptr<app::FileProfileStore> profile;
    if (!o.ini.empty()) {
        profile = std::make_unique<app::FileProfileStore>(o.ini);
        app::LoadSettings(*profile, settings, clock);
    }
    settings.pat95Dir = o.clientDir + kClientExeName;
    if (!o.betDir.empty()) settings.betFileDir = o.betDir + kBetDirSuffix;

    plat::registerClass(kWindowClass, plat::defWindowProc);
    plat::CreateParams window;
    window.className = kWindowClass;
    window.caption = app::kProgramCaption;
    window.style = plat::WS_OVERLAPPED | plat::WS_CAPTION;
    window.rect = {0, 0, 400, 460};
    const plat::Hwnd main = plat::createWindow(window);
    plat::CreateParams edit;
    edit.className = "Edit";
    edit.style = kStatusStyle;
    edit.rect = {4, 2, 240, 60};
    edit.parent = main;
    edit.id = kStatusBoxId;
    const plat::Hwnd statusBox = plat::createWindow(edit);

    app::MessageBoxNotifier notifier;
    notifier.setOwner(main);
    clientdata::VotingTerms& terms = result.terms;
    betdata::BetListState list;
    betdata::CurrentBetFile betFile;
    clientdata::VoteLogState voteLog;
    StartUpHost host(main, statusBox, list, terms, settings, profile.get());

    clientdata::LoadCurrentInfo(terms, settings.currentInfo);
    const plat::LocalTime today = plat::localTime(clock);
    betdata::NextBetFilePath(betFile, settings.betFileDir, betdata::BetFileDate{today.year, today.month, today.day});
    clientdata::VoteLogContext voteLogContext{terms, voteLog, betFile, settings.pat95Dir, host};
    clientdata::RefreshVoteLog(voteLogContext, clock);
    host.showBetStatus();

    clientdata::TermsContext termsContext{terms, betFile, settings.betFileDir, settings.targetDir};
    clientdata::LoadVotingTerms(termsContext, settings.pat95Dir,
                                [&](const std::string& text) { notifier.text(text); });
    terms.termsChecked = clientdata::AreTermsCurrent(terms, clock) ? 1 : 0;
    if (!terms.termsChecked) notifier.message(kTermsNotCheckedMessage);
    // The terms read asks for a redraw, which the next timer tick makes.
    if (terms.statusDirty) host.showBetStatus();

    const auto length = static_cast<std::size_t>(plat::sendMessage(statusBox, plat::WM_GETTEXTLENGTH, 0, 0));
    result.statusText = plat::getWindowText(statusBox, length + 1);
    result.betFilePath = betFile.path;
    result.nextLogPath = voteLog.nextLogPath;
    plat::destroyWindow(main);
}

// One line per meeting slot in use: venue, 回, 日目 and the 14 race sale codes.
std::string meetingLines(const clientdata::VotingTerms& terms) {
    std::string lines;
    for (int s = 0; s < clientdata::kMeetingSlots; ++s) {
        const clientdata::MeetingTerms& m = terms.meetings[s];
        if (m.venueCode == 0) continue;
        lines += "slot " + std::to_string(s) + " venue " + std::to_string(m.venueCode) + " kai " +
                 std::to_string(m.kai) + " nichime " + std::to_string(m.nichime) + " sales ";
        for (int k = 0; k < clientdata::kRaceBlocks; ++k)
            lines += (k ? "," : "") + std::to_string(m.races[k].raceSaleCode);
        lines += "\n";
    }
    return lines;
}

int runTerms(const Args& args) {
    TermsOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return fail(error);
    if (!o.ini.empty()) {
        // A missing profile is a first start: defaults.  One that exists must
        // be readable.
        std::error_code ec;
        if (std::filesystem::exists(o.ini, ec)) {
            std::string unused;
            if (!readInput(o.ini, unused, error)) return fail(error);
        }
        o.ini = std::filesystem::absolute(o.ini, ec).string();
    }

    HeadlessDesktop desk(o.hasNow ? o.now : plat::now());
    if (!desk.ready()) return fail("cannot make a temporary directory");
    StartUpResult result;
    const bool finished = desk.runOrnel([&] { startUpOnDesktop(o, result); });

    std::string out = result.statusText + "\n\n" + meetingLines(result.terms);
    out += "current-bet-file " + result.betFilePath + "\n";
    out += "next-log " + result.nextLogPath + "\n";
    writeOut(outputText(out, o.utf8));
    printBoxes(stderr, desk.user(), o.utf8);
    if (!finished) return fail("the run did not finish");
    return 0;
}

}  // namespace

extern const Command kTermsCommand = {
    kName,
    "terms --client-dir DIR [--ini FILE] [--bet-dir DIR2] [--now \"YYYY-MM-DD HH:MM\"] [--utf8]",
    runTerms,
};

}  // namespace cli
