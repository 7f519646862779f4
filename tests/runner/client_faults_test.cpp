// The driver against the client as it is (the strict client, or the ideal
// one): logging in and fetching the terms, a long list, and every fault of
// the client's catalogue.  Whatever a fault does, each bet is placed once
// or stays in the list; a run the fault broke is followed by one that
// places the rest.
#include <algorithm>
#include <filesystem>
#include <set>

#include "base/strings.h"
#include "betclient/faults.h"
#include "driver/connect_client.h"
#include "driver/driver_settings.h"
#include "platform/window.h"
#include "runner_fixture.h"

namespace runnertest {
namespace {

// Six bets of every kind in three groups of two; 枠連 3-4 in 東京 11R
// announces 同枠取消.
const std::vector<Row> kSix = {{"東京", 1, "単勝", {1}, 100},  {"東京", 11, "枠連", {3, 4}, 1000},
                               {"阪神", 2, "馬連", {3, 9}, 300}, {"東京", 4, "複勝", {12}, 400},
                               {"阪神", 5, "枠連", {2, 2}, 500}, {"東京", 6, "馬連", {1, 18}, 600}};

struct FaultCase {
    const char* fault;        // the line of faults.txt
    bool firstRunFinishes;    // the run with the fault places everything
    bool secondRunFinishes;   // the next run places the rest (one-shot faults are gone)
};

const FaultCase kCases[] = {
    {"slow-open=3000", true, true},  // with a Window Open Wait of 5 s
    {"scale=1.5x1.25", true, true},
    {"minimized=vote,menu", true, true},  // the forms the driver restores
    {"disabled=vote", false, false},
    {"same-bracket", true, true},
    {"login-refused", false, true},
    {"transfer-hang", false, true},
    {"transfer-error", false, true},
    {"validation=pair", false, true},
    {"total-mismatch", false, true},
    {"error-10001", true, true},
    {"error-11028", false, true},  // Force Mode off
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.fault; }

std::string name(const FaultCase& c) {
    std::string n = c.fault;
    n = n.substr(0, n.find('='));
    n.erase(std::remove(n.begin(), n.end(), '-'), n.end());
    return n;
}

// Multiset of the canonical lines (numbers dropped).
std::multiset<std::string> bets(const std::string& text) {
    std::multiset<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        if (line.size() > 5) lines.insert(line.substr(5));
        at = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

TEST(ClientFaultsTable, CoversTheWholeCatalogue) {
    std::set<std::string> covered;
    for (const FaultCase& c : kCases) covered.insert(betclient::parseFaultLine(c.fault)->name);
    for (const betclient::FaultInfo& f : betclient::kFaultCatalogue)
        EXPECT_EQ(covered.count(std::string(f.name)), 1u) << f.name;
}

class ClientFaultTest : public RunnerTest, public ::testing::WithParamInterface<FaultCase> {};

INSTANTIATE_TEST_SUITE_P(Catalogue, ClientFaultTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return name(info.param); });

TEST_P(ClientFaultTest, EachBetIsPlacedOnceOrStaysInTheList) {
    const FaultCase& c = GetParam();
    install({c.fault});
    settings.betDivideUnit = 2;
    if (std::string(c.fault).rfind("slow-open", 0) == 0) settings.windowOpenWait = 5;
    const std::string given = canonical(kSix);
    setList(given);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load() == base::kRunFinished, c.firstRunFinishes) << testsupport::u8(listText());
    auto placedPlusLeft = bets(ledgerText());
    for (const std::string& left : bets(listText())) placedPlusLeft.insert(left);
    EXPECT_EQ(placedPlusLeft, bets(given)) << "nothing lost, nothing twice";
    if (c.firstRunFinishes) return;

    ASSERT_TRUE(runAgain());
    EXPECT_EQ(runState.load() == base::kRunFinished, c.secondRunFinishes) << ::testing::PrintToString(messages());
    placedPlusLeft = bets(ledgerText());
    for (const std::string& left : bets(listText())) placedPlusLeft.insert(left);
    EXPECT_EQ(placedPlusLeft, bets(given));
    if (c.secondRunFinishes) {
        EXPECT_EQ(bets(ledgerText()), bets(given));
    }
}

// From a client that is not running, with no terms of the day: started,
// logged in, the terms fetched, a venue opened and the terms read.
TEST_F(RunnerTest, TheClientIsStartedLoggedInAndTheTermsFetched) {
    install();
    for (const char* file : {"Uy-a.Jra", "Uy-b.Jra", "Uy-c.Jra"}) std::filesystem::remove(client.file(file));
    settings.skipAnn = 0;
    driver::LoadDriverSettings(settings, state);
    driver::SetDriverFlags(state, settings.accInp, settings.autoPat, settings.skipAnn, settings.forceMode);
    int result = -2;
    asOrnel([&] { result = driver::ConnectClient(driver, driver::kConnectForBetting); });
    EXPECT_EQ(result, 0) << ::testing::PrintToString(messages());
    EXPECT_TRUE(messages().empty());
    EXPECT_NE(plat::findWindow("ThunderRTForm", "投票"), 0u);
    EXPECT_EQ(terms.termsDay, 5);
    EXPECT_EQ(terms.termsChecked, 1);
    EXPECT_NE(terms.meetings[0].venueCode, 0);
}

// 120 bets over both racecourses in groups of the default fifty.
TEST_F(RunnerTest, AHundredAndTwentyBetsArePlacedOnce) {
    install();
    std::vector<Row> rows;
    const char* kinds[] = {"単勝", "複勝", "馬連", "枠連"};
    for (int k = 0; k < 120; ++k) {
        const char* kind = kinds[k % 4];
        const int first = k % 7 + 1;
        std::vector<int> numbers = {first};
        if (k % 4 == 2) numbers.push_back(first + 1 + k % 10);  // 馬連
        if (k % 4 == 3) numbers.push_back(first + k % 2);       // 枠連
        rows.push_back({k < 60 ? "東京" : "阪神", k % 10 + 1, kind, numbers, 100 * (k % 9 + 1)});
    }
    const std::string given = canonical(rows);
    setList(given);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(firstDifference(ledgerText(), given), "");
    EXPECT_EQ(listText(), "");
}

}  // namespace
}  // namespace runnertest
