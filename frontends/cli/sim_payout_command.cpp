// `ornel sim payout`: the day's payouts fetched from the replacement client
// in a simulated home with the payout dialog's 今すぐ取得, the bet log
// reconciled with them, and what came of it.
#include <cstdio>
#include <string>

#include "app/payout_commands.h"
#include "clientdata/payout_fetch_time.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/payout_output.h"
#include "frontends/cli/run_limit.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/cli/terminal_encoding.h"
#include "frontends/simhome/program_run.h"
#include "frontends/simhome/sim_home.h"
#include "platform/sim/scripted_user.h"
#include "ui/main_commands.h"

namespace cli {

namespace {

constexpr const char* kName = "sim payout";
// Longest virtual time the program may take, start-up and fetch included.
constexpr std::int64_t kRunLimitMs = 3'600'000;

struct PayoutOptions {
    simhome::SimHomeOptions home;
    bool report = false;
    TerminalEncoding encoding;
};

bool parseOptions(const Args& args, PayoutOptions& o, std::string& error) {
    SimHomeOptionReader home(o.home);
    return ReadSimOperationOptions(args, home, o.encoding, error, [&o](OptionReader& options, std::string&) {
        if (options.current() != "--report") return HomeOption::NotHome;
        o.report = true;
        return HomeOption::Taken;
    });
}

// --report: the run reconciles with "取得後払戻情報ファイルを生成する" on, as
// if the dialog had it checked (the profile is not changed).
app::ProgramOptions programOptions(bool report, std::optional<int>& fetched) {
    app::ProgramOptions options;
    options.clientOperated = [&fetched](int command, int result) {
        if (command == ui::kIdPayoutFetch) fetched = result;
    };
    if (report) {
        options.adjustSettings = [](base::Settings& settings) {
            clientdata::PayoutFetchTime time = clientdata::UnpackPayoutFetchTime(settings.haraimodoshiInfoGetTime);
            if (!time.writeReport) settings.haraimodoshiInfoGetTime += clientdata::kWriteReportFlag;
        };
    }
    return options;
}

int runSimPayout(const Args& args) {
    PayoutOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);

    simhome::SimHome home;
    if (!home.open(o.home, error)) return commandError(kName, error);
    home.user().onDialog(app::kPayoutDialogCaption, [](sim::Desktop&, const sim::ModalInfo& dialog) {
        sim::pressButton(dialog.window, app::kIdFetchNow);
    });
    // What the dialog's fetch returned (0 done, 1 a fetch was already
    // running, -1 failed); none when it did not run.
    std::optional<int> fetched;
    simhome::ProgramRun run(home.desk(), programOptions(o.report, fetched));
    // The start-up connects the client within the reception hours; after
    // them ＰＡＴの起動 does it the same way.
    bool ended = run.start(kRunLimitMs) &&
                 (!home.clientForms().empty() || run.chooseFromSystemMenu(ui::kIdConnectClient));
    const app::Application& program = run.program();
    DesktopFiles files(home.desk());
    const ReportBefore report = MarkPayoutReport(files, program);
    const std::int64_t chosenAt = home.desktop().virtualMs();
    ended = ended && run.chooseFromContextMenu(ui::kIdPayoutFetch);
    const std::int64_t virtualMs = home.desktop().virtualMs() - chosenAt;
    ended = ended && run.close() && run.ended();
    if (!ended) return operationFailed(kName, didNotEnd("the payout fetch", kRunLimitMs, program.settings));
    if (!fetched) return operationFailed(kName, "the payout fetch did not start");

    const bool utf8 = o.encoding.utf8Output();
    const int result = *fetched;
    std::printf("result %d\n", result);
    std::fflush(stdout);
    printBoxes(stdout, ornelBoxes(home.user()), utf8);
    std::printf("virtual-ms %lld\n", static_cast<long long>(virtualMs));
    PrintPayoutOutcome(files, program, report, utf8);
    return result == -1 ? kExitFailed : kExitOk;
}

}  // namespace

extern const Command kSimPayoutCommand = {
    "payout",
    "--home DIR [--now \"YYYY-MM-DD HH:MM\"] [--seed S] [--scale X] [--fault NAME]... [--report] "
    "[--utf8|--sjis]",
    "Fetches the day's payouts from the replacement client in the simulated home\n"
    "DIR with the payout dialog's 今すぐ取得 and reconciles the day's bet log with\n"
    "them.  Prints \"result N\" (0 done, -1 failed), the boxes Ornel showed,\n"
    "\"virtual-ms N\", \"betlog\" and the bet log afterwards, \"report\" and the\n"
    "payout report when one was written, \"today-purchase N\" and \"today-payout N\"\n"
    "(yen).  Exit status 1 when the fetch failed.\n"
    "\n"
    "  --report   write the payout report, as when the profile's \"Haraimodoshi Info\n"
    "             Get Time\" asks for it after every reconciliation\n"
    "The home options (--home, --now, --seed, --scale, --fault) and --utf8, --sjis:\n"
    "see ornel sim --help.\n",
    runSimPayout,
};

}  // namespace cli
