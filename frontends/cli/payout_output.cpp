#include "frontends/cli/payout_output.h"

#include <sys/stat.h>

#include <cstdio>

#include "base/path_helpers.h"
#include "clientdata/payout_report.h"
#include "frontends/cli/cli_text.h"
#include "platform/files.h"
#include "platform/sim/path_resolve.h"

namespace cli {

namespace {

constexpr const char* kReader = "reader";
constexpr std::size_t kReadBuffer = 65536;

// The whole text of a file as the program reads it ("\n" line ends); empty
// when there is none.
std::string programFileText(simhome::OrnelDesktop& desk, const std::string& path) {
    std::string text;
    desk.desktop().call(kReader, [&] {
        plat::TextFile file;
        std::string line;
        if (!file.open(path, plat::TextFile::Mode::Read)) return;
        while (file.getLine(line, kReadBuffer)) text += line;
    });
    return text;
}

}  // namespace

FileMark MarkFile(simhome::OrnelDesktop& desk, const std::string& path) {
    FileMark mark;
    desk.desktop().call(kReader, [&] {
        std::string host;
        struct stat st;
        if (!sim::resolvePath(path, host) || stat(host.c_str(), &st) != 0) return;
        mark = {true, static_cast<std::uint64_t>(st.st_ino), static_cast<std::int64_t>(st.st_ctim.tv_sec),
                st.st_ctim.tv_nsec};
    });
    return mark;
}

ReportBefore MarkPayoutReport(simhome::OrnelDesktop& desk, const app::Application& program) {
    ReportBefore before;
    before.path = clientdata::PayoutReportPath(program.betFile, program.terms);
    before.mark = MarkFile(desk, before.path);
    return before;
}

void PrintPayoutOutcome(simhome::OrnelDesktop& desk, const app::Application& program, const ReportBefore& before,
                        bool utf8) {
    const std::string betLog = base::BetLogPath(program.betFile, program.runControl.programClock.load());
    std::printf("betlog\n");
    std::fflush(stdout);
    writeOut(outputText(programFileText(desk, betLog), utf8));
    std::printf("report\n");
    std::fflush(stdout);
    const FileMark after = MarkFile(desk, before.path);
    if (after.exists && !(after == before.mark)) writeOut(outputText(programFileText(desk, before.path), utf8));
    std::printf("today-purchase %d\ntoday-payout %d\n", program.terms.todayPurchase, program.terms.todayPayout);
}

}  // namespace cli
