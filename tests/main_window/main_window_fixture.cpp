#include "main_window_fixture.h"

#include <filesystem>
#include <optional>

#include "base/credentials.h"
#include "base/settings.h"
#include "betclient/centre/centre.h"
#include "frontends/cli/ledger_lines.h"
#include "platform/clock.h"

namespace mainwindow_test {

namespace {

constexpr const char* kProfile = "WINDOWS/Ornel.INI";
constexpr const char* kSeparatorText = "―";

// Every race starts in the afternoon, so nothing closes while a run lasts.
const char* const kDay = R"(date 1998-12-05
account user=11112222 password=0123 limit=900000 balance=900000
meeting 東京 kai=5 nichime=3
race 1 sale=15 start=15:00 horses=777777777777777777
race 2 sale=15 start=15:05 horses=777777777777777777
race 3 sale=15 start=15:10 horses=777777777777777777
meeting 阪神 kai=5 nichime=3
race 1 sale=15 start=16:00 horses=777777777777777777
race 2 sale=15 start=16:05 horses=777777777777777777
)";
constexpr int kTermsFetchedAt = 900;

simhome::DesktopOptions optionsAt(const std::string& directory, std::int64_t start) {
    testsupport::useJapanTime();
    return {directory, start};
}

}  // namespace

MainWindowTest::MainWindowTest(std::int64_t start)
    : desk(optionsAt(home.path(), start)), desktop(desk.desktop()), user(desk.user()) {
    desktop.recordMessagesTo(simhome::kOrnelProgram);
}

MainWindowTest::~MainWindowTest() { desktop.runFor(0); }

void MainWindowTest::installClient(const std::vector<std::string>& defineLines,
                                   const std::vector<std::string>& patDefineLines) {
    simhome::ClientInstallOptions options;
    options.dayText = kDay;
    options.behaviour.ideal = testsupport::IdealClientAsked();
    const std::string exe = desk.installClient(options);
    ASSERT_FALSE(exe.empty());
    bool written = false;
    desktop.call("installer", [&] {
        std::string error;
        const std::optional<centre::Centre> centre = centre::Centre::open(desk.clientDir(), 1998, 12, 5, error);
        written = centre && centre->writeTerms(kTermsFetchedAt);
    });
    ASSERT_TRUE(written);
    std::filesystem::create_directories(home.file("bets"));
    std::vector<std::string> lines = {"Pat95 Dir=" + exe, "Bet File Dir=" + home.file("bets/"), "Pat Id=11112222",
                                      "Pat Pass Word=0123"};
    lines.insert(lines.end(), defineLines.begin(), defineLines.end());
    writeProfile(lines, patDefineLines);
}

void MainWindowTest::writeProfile(const std::vector<std::string>& defineLines,
                                  const std::vector<std::string>& patDefineLines) {
    std::filesystem::create_directories(home.file("WINDOWS"));
    std::string text = "[Define]\r\n";
    for (const std::string& line : defineLines) text += line + "\r\n";
    text += "[Pat Define]\r\n";
    for (const std::string& line : patDefineLines) text += line + "\r\n";
    testsupport::writeBytes(home.file(kProfile), text);
}

std::string MainWindowTest::profileText() const { return testsupport::readBytes(home.file(kProfile)); }

void MainWindowTest::start() {
    app::ProgramOptions options;
    options.clientOperated = [this](int command, int result) { clientOperations_.emplace_back(command, result); };
    run_ = std::make_unique<simhome::ProgramRun>(desk, options);
    ASSERT_TRUE(run_->start()) << "the start-up did not come to an end";
}

std::vector<int> MainWindowTest::clientResultsOf(int command) const {
    std::vector<int> results;
    for (const auto& [id, result] : clientOperations_)
        if (id == command) results.push_back(result);
    return results;
}

std::vector<plat::Uint> MainWindowTest::boxIds() const {
    std::vector<plat::Uint> ids;
    for (const auto& seen : user.seenFrom(simhome::kOrnelProgram))
        if (seen.info.isMessageBox) ids.push_back(seen.info.helpId);
    return ids;
}

std::vector<plat::Uint> MainWindowTest::beeps() const {
    std::vector<plat::Uint> kinds;
    for (const sim::TraceEvent& e : desktop.trace())
        if (e.kind == sim::TraceEvent::Kind::Sound && e.fromProgram == simhome::kOrnelProgram && e.text.empty())
            kinds.push_back(static_cast<plat::Uint>(e.value));
    return kinds;
}

std::vector<std::string> MainWindowTest::lastMenuTexts() const {
    std::vector<std::string> texts;
    for (const auto& seen : user.seenFrom(simhome::kOrnelProgram)) {
        if (!seen.info.isMenu) continue;
        texts.clear();
        for (const auto& [id, text] : seen.info.menuItems) texts.push_back(id == 0 ? kSeparatorText : text);
    }
    return texts;
}

std::string MainWindowTest::ledgerText() const {
    std::string error;
    const std::optional<centre::Centre> centre = centre::Centre::open(desk.clientDir(), 1998, 12, 5, error);
    return centre ? cli::LedgerAsBetList(centre->ledger()) : std::string();
}

}  // namespace mainwindow_test
