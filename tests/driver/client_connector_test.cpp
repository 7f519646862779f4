// The bet list asks the driver for the day's terms before it checks bets.
#include "betdata/bet_grammar.h"
#include "betdata/bet_list_memory.h"
#include "betdata/bet_list_state.h"
#include "client_desktop.h"
#include "driver/client_connector.h"

namespace drivertest {
namespace {

using ConnectorTest = ClientDriverTest;

TEST_F(ConnectorTest, ParsingTheBetListFetchesTodaysTermsThroughTheClientAndChecksAgainstThem) {
    install();
    writeYesterdaysTerms();
    betdata::MemoryBetList list("東京 1R 単勝 3 500\r\n東京 2R 単勝 10 500\r\n");
    betdata::BetListState listState;
    driver::ClientConnector connector(pat, driver::ClientPresence::Installed);
    asOrnel([&] {
        betdata::BetListContext ctx{list, listState, terms, notifier, &connector};
        betdata::ParseBetList(ctx, false);
    });
    EXPECT_EQ(clientStarts(), 1u);
    EXPECT_EQ(terms.termsDay, 5);
    EXPECT_EQ(terms.termsChecked, 1);
    // Horse 10 of 東京 2R is scratched today.
    EXPECT_EQ(listState.table.count, 1);
    EXPECT_EQ(list.text(), "001: 東京  1R 単勝    03      500\r\n") << testsupport::u8(list.text());
    EXPECT_TRUE(boxIds().empty());
}

}  // namespace
}  // namespace drivertest
