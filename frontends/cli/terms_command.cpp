// `ornel terms`: the data part of the main window's start-up — the running
// totals, today's bet file, the newest vote log, the voting terms — run on a
// headless desktop, then the status box and the meetings as the program
// holds them.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "base/load_settings.h"
#include "base/message_box_notifier.h"
#include "base/profile_store.h"
#include "base/settings_keys.h"
#include "base/next_bet_file.h"
#include "betdata/bet_status.h"
#include "clientdata/current_info.h"
#include "clientdata/terms_reader.h"
#include "clientdata/vote_log.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/client_terms.h"
#include "frontends/cli/commands.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/terminal_encoding.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "terms";
constexpr const char* kBetDirSuffix = "/";            // "Bet File Dir" = DIR2 + this
constexpr int kTermsNotCheckedMessage = 8145;         // 投票要項ノンチェックモードで動作します。

struct TermsOptions {
    std::string clientDir;
    std::string ini;      // absolute path; empty: default settings, nothing written
    std::string betDir;
    bool hasNow = false;
    std::int64_t now = 0;
    TerminalEncoding encoding;
};

bool parseOptions(const Args& args, TermsOptions& o, std::string& error) {
    OptionReader options(args);
    while (options.next()) {
        const std::string& a = options.current();
        if (o.encoding.take(a)) {
            continue;
        } else if (a == "--client-dir") {
            if (!options.value(o.clientDir, error)) return false;
        } else if (a == "--ini") {
            if (!options.value(o.ini, error)) return false;
        } else if (a == "--bet-dir") {
            if (!options.value(o.betDir, error)) return false;
        } else if (a == "--now") {
            if (!options.localTimeValue(o.now, error)) return false;
            o.hasNow = true;
        } else {
            error = options.notTaken();
            return false;
        }
    }
    if (o.clientDir.empty()) error = missingOption("--client-dir DIR");
    return error.empty() && o.encoding.complete(error);
}

// The main window and the settings as the vote-log reader sees them.  There
// is no screen: the caption and the status box text are kept here.
class StartUpHost : public clientdata::VoteLogHost {
public:
    StartUpHost(const betdata::BetListState& list, base::VotingTerms& terms, base::Settings& settings,
                base::ProfileStore* profile)
        : list_(list), terms_(terms), settings_(settings), profile_(profile) {}

    std::string mainCaption() override { return caption_; }
    void setMainCaption(const std::string& caption) override { caption_ = caption; }
    // What ShowBetStatus writes into the status box, and its clearing of the
    // redraw request.
    void showBetStatus() override {
        statusText_ = betdata::FormatBetStatus(list_.listCount, list_.listTotal, terms_);
        terms_.statusDirty = 0;
    }
    void storeCurrentInfo(const std::string& line) override {
        settings_.currentInfo = line;
        if (profile_) profile_->writeString(base::kSectionDefine, base::keys::kCurrentInfo, line);
    }
    const std::string& statusText() const { return statusText_; }

private:
    const betdata::BetListState& list_;
    base::VotingTerms& terms_;
    base::Settings& settings_;
    base::ProfileStore* profile_;
    std::string caption_ = base::kProgramCaption;
    std::string statusText_;
};

struct StartUpResult {
    std::string statusText;
    base::VotingTerms terms;
    std::string betFilePath;
    std::string nextLogPath;
};

// The program's side, in the order of the main window's start-up.
void startUpOnDesktop(const TermsOptions& o, StartUpResult& result) {
    const std::int64_t clock = plat::now();  // the program clock
    base::Settings settings;
    std::unique_ptr<base::FileProfileStore> profile;
    if (!o.ini.empty()) {
        profile = std::make_unique<base::FileProfileStore>(o.ini);
        base::LoadSettings(*profile, settings, clock);
    }
    settings.pat95Dir = clientExePath(o.clientDir);
    if (!o.betDir.empty()) settings.betFileDir = o.betDir + kBetDirSuffix;

    base::MessageBoxNotifier notifier;
    base::VotingTerms& terms = result.terms;
    betdata::BetListState list;
    base::CurrentBetFile betFile;
    clientdata::VoteLogState voteLog;
    StartUpHost host(list, terms, settings, profile.get());

    clientdata::LoadCurrentInfo(terms, settings.currentInfo);
    const plat::LocalTime today = plat::localTime(clock);
    base::NextBetFilePath(betFile, settings.betFileDir, base::BetFileDate{today.year, today.month, today.day});
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

    result.statusText = host.statusText();
    result.betFilePath = betFile.path;
    result.nextLogPath = voteLog.nextLogPath;
}

// One line per meeting slot in use: venue, 回, 日目 and the 14 race sale codes.
std::string meetingLines(const base::VotingTerms& terms) {
    std::string lines;
    for (int s = 0; s < base::kMeetingSlots; ++s) {
        const base::MeetingTerms& m = terms.meetings[s];
        if (m.venueCode == 0) continue;
        lines += "slot " + std::to_string(s) + " venue " + std::to_string(m.venueCode) + " kai " +
                 std::to_string(m.kai) + " nichime " + std::to_string(m.nichime) + " sales ";
        for (int k = 0; k < base::kRaceBlocks; ++k)
            lines += (k ? "," : "") + std::to_string(m.races[k].raceSaleCode);
        lines += "\n";
    }
    return lines;
}

int runTerms(const Args& args) {
    TermsOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);
    if (!o.ini.empty()) {
        // A missing profile is a first start: defaults.  One that exists must
        // be readable.
        std::error_code ec;
        if (std::filesystem::exists(o.ini, ec)) {
            std::string unused;
            if (!readInput(o.ini, unused, error)) return commandError(kName, error);
        }
        o.ini = std::filesystem::absolute(o.ini, ec).string();
    }

    HeadlessDesktop desk(o.hasNow ? o.now : plat::now());
    if (!desk.ready()) return commandError(kName, "cannot make a temporary directory");
    StartUpResult result;
    const bool finished = desk.runOrnel([&] { startUpOnDesktop(o, result); });

    std::string out = result.statusText + "\n\n" + meetingLines(result.terms);
    out += "current-bet-file " + result.betFilePath + "\n";
    out += "next-log " + result.nextLogPath + "\n";
    const bool utf8 = o.encoding.utf8Output();
    writeOut(outputText(out, utf8));
    printBoxes(stderr, desk.user(), utf8);
    if (!finished) return commandError(kName, "the run did not finish");
    return kExitOk;
}

}  // namespace

extern const Command kTermsCommand = {
    kName,
    "--client-dir DIR [--ini FILE] [--bet-dir DIR2] [--now \"YYYY-MM-DD HH:MM\"] [--utf8|--sjis]",
    "Runs the data part of the main window's start-up: the running totals of\n"
    "\"Current Info\", today's expected bet file, the newest vote log Lg-NN.JRA of\n"
    "DIR (echoed into the bet log of the bet-file directory), then the voting terms\n"
    "Uy-a.Jra, Uy-b.Jra, Uy-c.Jra of DIR.  Prints the status box, an empty line,\n"
    "one line per meeting (slot, venue, kai, nichime, the sale codes of its races),\n"
    "current-bet-file PATH and next-log PATH; the boxes go to standard error.\n"
    "\n"
    "  --client-dir DIR  the betting client's directory (required)\n"
    "  --ini FILE        the settings profile (written as the program writes it)\n"
    "  --bet-dir DIR2    the bet-file directory, where the bet log goes\n"
    "  --now TIME        the program clock, \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --utf8            UTF-8 output whatever the locale\n"
    "  --sjis            Shift-JIS output whatever the locale\n",
    runTerms,
};

}  // namespace cli
