#include "frontends/cli/payout_output.h"

#include <cstdio>

#include "base/path_helpers.h"
#include "clientdata/payout_report.h"
#include "frontends/cli/cli_text.h"

namespace cli {

ReportBefore MarkPayoutReport(ProgramFiles& files, const app::Application& program) {
    ReportBefore before;
    before.path = clientdata::PayoutReportPath(program.betFile, program.terms);
    before.mark = files.mark(before.path);
    return before;
}

void PrintPayoutOutcome(ProgramFiles& files, const app::Application& program, const ReportBefore& before,
                        bool utf8) {
    const std::string betLog = base::BetLogPath(program.betFile, program.runControl.programClock.load());
    std::printf("betlog\n");
    std::fflush(stdout);
    writeOut(outputText(files.text(betLog), utf8));
    std::printf("report\n");
    std::fflush(stdout);
    const FileMark after = files.mark(before.path);
    if (after.exists && !(after == before.mark)) writeOut(outputText(files.text(before.path), utf8));
    std::printf("today-purchase %d\ntoday-payout %d\n", program.terms.todayPurchase, program.terms.todayPayout);
}

}  // namespace cli
