#include "runner_fixture.h"

#include <memory>

#include "betclient/centre/centre.h"
#include "betclient/faults.h"
#include "base/bet_kind.h"
#include "betdata/bet_list_render.h"
#include "base/venue.h"
#include "frontends/cli/ledger_lines.h"
#include "frontends/simhome/client_install.h"
#include "platform/window.h"
#include "support/support.h"

namespace runnertest {

namespace {

constexpr int kYear = 1998, kMonth = 12, kDay = 5;
constexpr int kTermsFetchedAt = 900;  // hour * 100 + minute
constexpr const char* kHostClass = "RunnerTestHost";
constexpr plat::Uint kListLimit = 20480;

simhome::DesktopOptions desktopOptions(const std::string& directory, std::int64_t start) {
    testsupport::useJapanTime();
    return {directory, start};
}

}  // namespace

const char* const kRunnerDay = R"(# the runner tests' day: every race starts after the runs end
date 1998-12-05
account user=11112222 password=0123 limit=900000 balance=900000
meeting 東京 kai=5 nichime=3
race 1 sale=15 start=15:00 horses=777777777777777777
race 2 sale=15 start=15:05 horses=777777777777777777
race 3 sale=15 start=15:10 horses=777777777777777777
race 4 sale=15 start=15:15 horses=777777777777777777
race 5 sale=15 start=15:20 horses=777777777777777777
race 6 sale=15 start=15:25 horses=777777777777777777
race 7 sale=15 start=15:30 horses=777777777777777777
race 8 sale=15 start=15:35 horses=777777777777777777
race 9 sale=15 start=15:40 horses=777777777777777777
race 10 sale=15 start=15:45 horses=777777777777777777
race 11 sale=15 start=15:50 horses=7777717777777777
race 12 sale=15 start=15:55 horses=777777777777777777
meeting 阪神 kai=5 nichime=3
race 1 sale=15 start=16:00 horses=777777777777777777
race 2 sale=15 start=16:05 horses=777777777777777777
race 3 sale=15 start=16:10 horses=777777777777777777
race 4 sale=15 start=16:15 horses=777777777777777777
race 5 sale=15 start=16:20 horses=777777777777777777
race 6 sale=15 start=16:25 horses=777777777777777777
race 7 sale=15 start=16:30 horses=777777777777777777
race 8 sale=15 start=16:35 horses=777777777777777777
race 9 sale=15 start=16:40 horses=777777777777777777
race 10 sale=15 start=16:45 horses=777777777777777777
race 11 sale=15 start=16:50 horses=777777777777777777
race 12 sale=15 start=16:55 horses=777777777777777777
)";

RunnerTest::RunnerTest(std::int64_t start)
    : desk(desktopOptions(home.path(), start)),
      desktop(desk.desktop()),
      clock(start),
      driver{state, terms, betFile, settings, notifier, clock} {
    plat::registerClass(kHostClass, plat::defWindowProc);
    desk.startOrnel([this] {
        plat::CreateParams p;
        p.className = kHostClass;
        p.caption = kOrnel;
        host = plat::createWindow(p);
        plat::CreateParams e;
        e.className = "Edit";
        e.style = plat::WS_CHILD | plat::WS_VISIBLE | plat::ES_MULTILINE | plat::ES_UPPERCASE |
                  plat::ES_WANTRETURN | plat::WS_VSCROLL;
        e.rect = {5, 60, 360, 400};
        e.parent = host;
        e.id = 1000;
        edit = plat::createWindow(e);
        plat::sendMessage(edit, plat::EM_LIMITTEXT, kListLimit, 0);
        watchLineReads();
        plat::Msg msg;
        while (plat::getMessage(msg)) plat::dispatchMessage(msg);
    });
    desktop.runUntil([this] { return edit != 0; }, 1);
    driver.mainWindow.store(host);
}

RunnerTest::~RunnerTest() { desktop.runFor(0); }

void RunnerTest::watchLineReads() {
    auto base = std::make_shared<plat::WndProc>();
    *base = plat::setWindowProc(edit, [this, base](plat::Hwnd w, plat::Uint m, plat::Wparam wp, plat::Lparam lp) {
        if (m == plat::EM_GETLINE && runState.load() == base::kRunRunning && ++linesRead == stopAfterLines)
            runState.store(base::kRunStopRequested);
        return plat::callWindowProc(*base, w, m, wp, lp);
    });
}

void RunnerTest::install(const std::vector<std::string>& faults) {
    simhome::ClientInstallOptions options;
    options.dayText = kRunnerDay;
    options.faults = faults;
    options.behaviour.ideal = testsupport::IdealClientAsked();
    exe = desk.installClient(options, client.path());
    ASSERT_FALSE(exe.empty());
    bool written = false;
    std::string dayErrorSeen;
    desktop.call("installer", [&] {
        std::string dayError;
        const std::optional<centre::Centre> centre =
            centre::Centre::open(client.path(), kYear, kMonth, kDay, dayError);
        dayErrorSeen = dayError;
        written = centre && dayError.empty() && centre->writeTerms(kTermsFetchedAt);
    });
    ASSERT_TRUE(written) << dayErrorSeen;
    settings.userId = "11112222";
    settings.password = "0123";
    settings.pat95Dir = exe;
    settings.betFileDir = home.file("98120501.BET");
}

void RunnerTest::setFaults(const std::vector<std::string>& lines) {
    desktop.call("installer", [&] { ASSERT_TRUE(betclient::writeFaults(client.path(), lines)); });
}

void RunnerTest::answerClientBoxes() {
    desktop.call("user", [] {
        for (const char* caption : {"ﾒｯｾｰｼﾞ", "ｴﾗｰﾒｯｾｰｼﾞ"}) {
            for (plat::Hwnd box; (box = plat::findWindow("#32770", caption)) != 0;) {
                const plat::Hwnd ok = plat::getDlgItem(box, plat::IDOK);
                if (ok == 0) break;
                plat::postMessage(ok, plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, 0);
                plat::postMessage(ok, plat::WM_LBUTTONUP, 0, 0);
                plat::sleep(500);
                if (plat::findWindow("#32770", caption) == box) break;
            }
        }
    });
}

void RunnerTest::asOrnel(const std::function<void()>& fn) { ASSERT_TRUE(desktop.call(kOrnel, fn, 60'000)); }

void RunnerTest::setList(const std::string& text) {
    asOrnel([&] { plat::setWindowText(edit, text); });
}

std::string RunnerTest::listText() {
    std::string text;
    asOrnel([&] { text = plat::getWindowText(edit, kListLimit + 1); });
    return text;
}

void RunnerTest::startBets() {
    asOrnel([&] {
        runState.store(base::kRunRunning);
        driver::StartBetRunner(run, edit);
    });
}

bool RunnerTest::runEnded(std::int64_t maxMs) {
    return desktop.runUntil(
        [&] { return runState.load() == base::kRunFinished || runState.load() == base::kRunFailed; }, maxMs);
}

std::string RunnerTest::ledgerText() {
    std::string dayError;
    return cli::LedgerAsBetList(centre::Centre::open(client.path(), kYear, kMonth, kDay, dayError).value().ledger());
}

long RunnerTest::pressesOf(const std::vector<std::string>& pressed, const std::string& caption) {
    return std::count(pressed.begin(), pressed.end(), caption);
}

std::vector<std::string> RunnerTest::pressed(std::size_t fromTrace) const {
    std::vector<std::string> captions;
    const auto& trace = desktop.trace();
    for (std::size_t i = fromTrace; i < trace.size(); ++i) {
        const sim::TraceEvent& e = trace[i];
        if (e.kind == sim::TraceEvent::Kind::Post && e.fromProgram == kOrnel && e.message == plat::WM_LBUTTONDOWN)
            captions.push_back(e.caption);
    }
    return captions;
}

std::string canonical(const std::vector<Row>& rows) {
    std::string text;
    int number = 0;
    for (const Row& row : rows) {
        base::BetLine bet;
        bet.venue = static_cast<std::uint8_t>(base::VenueFromName(row.venue));
        bet.race = static_cast<std::uint8_t>(row.race);
        for (const char letter : {'T', 'F', 'W', 'U'})
            if (std::string(base::KindName(letter)) == row.kind) bet.kind = letter;
        bet.first = static_cast<std::uint8_t>(row.numbers.at(0));
        bet.second = static_cast<std::uint8_t>(row.numbers.size() > 1 ? row.numbers[1] : 0);
        bet.amount = static_cast<std::int16_t>(row.yen / base::kYenPerUnit);
        char line[betdata::kCanonicalLineBytes];
        betdata::FormatBetLine(line, sizeof line, ++number, bet);
        text += line;
    }
    return text;
}

}  // namespace runnertest

namespace runnertest {

std::string firstDifference(const std::string& a, const std::string& b) {
    std::size_t line = 1, atA = 0, atB = 0;
    for (;;) {
        const std::size_t endA = a.find('\n', atA), endB = b.find('\n', atB);
        const std::string lineA = a.substr(atA, endA == std::string::npos ? std::string::npos : endA - atA);
        const std::string lineB = b.substr(atB, endB == std::string::npos ? std::string::npos : endB - atB);
        if (lineA != lineB)
            return "line " + std::to_string(line) + ": " + testsupport::u8(lineA) + " | " + testsupport::u8(lineB);
        if (endA == std::string::npos || endB == std::string::npos) return "";
        atA = endA + 1;
        atB = endB + 1;
        ++line;
    }
}

}  // namespace runnertest
