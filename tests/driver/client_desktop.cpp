#include "client_desktop.h"


#include "betclient/faults.h"
#include "betclient_centre/centre_fixture.h"
#include "driver/driver_settings.h"
#include "frontends/simhome/client_install.h"
#include "platform/window.h"
#include "support/client_files.h"
#include "support/support.h"

namespace drivertest {

namespace {

simhome::DesktopOptions optionsAt(const std::string& directory, std::int64_t start) {
    testsupport::useJapanTime();
    return {directory, start};
}

}  // namespace

ClientDriverTest::ClientDriverTest(std::int64_t start)
    : clientDir(home.path() + "client/"),
      desk(optionsAt(home.path(), start)),
      desktop(desk.desktop()),
      user(desk.user()),
      clock(start),
      pat{state, terms, betFile, settings, notifier, clock} {
    settings.userId = "11112222";  // the small day's account
    settings.password = "0123";
    settings.pat95Dir = clientDir + simhome::kClientExeName;
    settings.skipAnn = 0;
    driver::LoadDriverSettings(settings, state);
    driver::SetDriverFlags(state, settings.accInp, settings.autoPat, settings.skipAnn, settings.forceMode);
}

ClientDriverTest::~ClientDriverTest() { desktop.runFor(0); }

void ClientDriverTest::install(const std::vector<std::string>& faults) {
    simhome::ClientInstallOptions options;
    options.dayText = centre_test::kSmallDay;
    options.faults = faults;
    // The exact attempt counts and durations here are those of the ideal
    // client (the strict one is the runner tests' and the campaign's).
    options.behaviour.ideal = true;
    ASSERT_EQ(desk.installClient(options, clientDir), settings.pat95Dir);
}

void ClientDriverTest::writeYesterdaysTerms() {
    testsupport::TermsValues values;
    values.year = 1998;
    values.month = 12;
    values.day = 4;
    testsupport::writeTextFile(clientDir + "Uy-a.Jra", {testsupport::termsLine(values).str()});
}

void ClientDriverTest::setFaults(const std::vector<std::string>& lines) {
    ASSERT_TRUE(desktop.call("installer", [&] { ASSERT_TRUE(betclient::writeFaults(clientDir, lines)); }));
}

void ClientDriverTest::startWithYesterdaysTerms(const std::vector<std::string>& faults) {
    install(faults);
    writeYesterdaysTerms();
    driver::SetDriverFlags(state, 1, 1, 1, 0);
    ASSERT_EQ(connect(driver::kConnectTermsOnly), 0);
    terms = {};
    desktop.clearTrace();
    forgetBoxes();
}

void ClientDriverTest::asOrnel(const std::function<void()>& fn, std::int64_t maxMs) {
    const std::int64_t start = desktop.virtualMs();
    EXPECT_TRUE(desktop.call(simhome::kOrnelProgram, fn, maxMs)) << "Ornel's call did not end";
    lastMs = desktop.virtualMs() - start;
}

int ClientDriverTest::connect(int mode) {
    int result = 1;
    asOrnel([&] { result = driver::ConnectClient(pat, mode); });
    return result;
}

std::vector<int> ClientDriverTest::boxIds() const {
    std::vector<int> ids;
    const auto seen = user.seenFrom(simhome::kOrnelProgram);
    for (std::size_t i = boxesForgotten; i < seen.size(); ++i)
        if (seen[i].info.isMessageBox) ids.push_back(static_cast<int>(seen[i].info.helpId));
    return ids;
}

void ClientDriverTest::forgetBoxes() { boxesForgotten = user.seenFrom(simhome::kOrnelProgram).size(); }

std::vector<std::string> ClientDriverTest::visibleForms() const {
    std::vector<std::string> captions;
    for (plat::Hwnd w = plat::getWindow(plat::getDesktopWindow(), plat::GW_CHILD); w != 0;
         w = plat::getWindow(w, plat::GW_HWNDNEXT)) {
        if (plat::getClassName(w) == "ThunderRTForm" && plat::isWindowVisible(w))
            captions.push_back(plat::getWindowText(w));
    }
    return captions;
}

bool ClientDriverTest::clientShows(const std::string& caption) const {
    for (const std::string& c : visibleForms())
        if (c == caption) return true;
    return false;
}

std::vector<sim::TraceEvent> ClientDriverTest::posts(unsigned message) const {
    std::vector<sim::TraceEvent> found;
    for (const sim::TraceEvent& e : desktop.trace()) {
        if (e.kind == sim::TraceEvent::Kind::Post && e.fromProgram == simhome::kOrnelProgram && (message == 0 || e.message == message))
            found.push_back(e);
    }
    return found;
}

std::size_t ClientDriverTest::clientStarts() const {
    std::size_t count = 0;
    for (const sim::TraceEvent& e : desktop.trace())
        if (e.kind == sim::TraceEvent::Kind::Shell && e.fromProgram == simhome::kOrnelProgram) ++count;
    return count;
}

std::size_t ClientDriverTest::pressesOf(const std::string& caption) const {
    std::size_t count = 0;
    for (const auto& e : posts(plat::WM_LBUTTONDOWN)) count += e.caption == caption;
    return count;
}

std::int64_t ClientDriverTest::lastPostMs() const {
    const auto all = posts();
    return all.empty() ? -1 : all.back().timeMs;
}

}  // namespace drivertest
