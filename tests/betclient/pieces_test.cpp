// The fault file, the pending list, and the grid and list geometry against
// the clicks other programs compute.
#include <gtest/gtest.h>

#include <fstream>

#include "betclient/faults.h"
#include "betclient/format.h"
#include "betclient/geometry.h"
#include "betclient/item_list.h"
#include "betclient/number_grid.h"
#include "betclient/pending_bets.h"
#include "platform/sim/desktop.h"
#include "support/support.h"

namespace {

using namespace betclient;
using testsupport::u8;

TEST(FaultFile, LinesAreNamesWithValuesAndOneShotsGoWhenTaken) {
    EXPECT_FALSE(parseFaultLine("  # nothing here").has_value());
    const auto slow = parseFaultLine("slow-open=2500  # late forms");
    ASSERT_TRUE(slow);
    EXPECT_EQ(slow->name, "slow-open");
    EXPECT_EQ(slow->value, "2500");
    EXPECT_EQ(parseFaultLine("minimized vote")->value, "vote");
    EXPECT_EQ(parseFaultLine("error-11028")->value, "");
    EXPECT_TRUE(isKnownFault("transfer-hang"));
    EXPECT_FALSE(isKnownFault("transfer"));

    testsupport::TempDir home, dir;
    sim::Desktop desktop(sim::Desktop::Options{home.path()});
    testsupport::writeBytes(dir.file(kFaultsFileName), "# faults\r\nerror-11028\r\nscale=1.5\r\nerror-11028\r\n");
    ASSERT_TRUE(desktop.call("client", [&] {
        const FaultFile faults(dir.path());
        EXPECT_EQ(faults.find("scale"), "1.5");
        EXPECT_TRUE(faults.take("error-11028").has_value());
        EXPECT_TRUE(faults.has("error-11028")) << "written twice, fires twice";
        EXPECT_TRUE(faults.take("error-11028").has_value());
        EXPECT_FALSE(faults.take("error-11028").has_value());
        EXPECT_EQ(faults.find("scale"), "1.5") << "a standing fault is only read";
        EXPECT_TRUE(addFault(dir.path(), "login-refused"));
        EXPECT_TRUE(faults.has("login-refused"));
    }));
    EXPECT_EQ(testsupport::readBytes(dir.file(kFaultsFileName)), "# faults\r\nscale=1.5\r\nlogin-refused\r\n");
}

TEST(PendingBets, AVoteHoldsFiftyBetsAndTheFirstOnesLeaveWhenSent) {
    PendingBets pending;
    const centre::Bet bet{5, 11, centre::Kind::Quinella, 3, 12, 10};
    EXPECT_TRUE(pending.add(std::vector<centre::Bet>(49, bet), false));
    EXPECT_FALSE(pending.add({bet, bet}, false)) << "51 would not fit one vote";
    EXPECT_TRUE(pending.add({bet}, true));
    EXPECT_EQ(pending.totalYen(), 50 * 1000);
    EXPECT_TRUE(pending.anySameBracketNotice());
    pending.removeFirst(49);
    EXPECT_EQ(pending.size(), 1u);
    EXPECT_EQ(u8(pending.lines().front()), u8("01 東京 11R 馬連 03-12      1,000円"));
    EXPECT_EQ(u8(raceItem(9)), u8("  ９"));
    EXPECT_EQ(u8(raceItem(12)), u8("１２"));
}

// The cell of every number is found where a horse click lands, and every
// bracket where a bracket click lands, for grids of many sizes.
TEST(Geometry, GridAndListsAnswerTheComputedClicks) {
    for (int width = 90; width <= 400; width += 7) {
        for (int height : {20, 36, 48, 72}) {
            for (int n = 1; n <= 18; ++n) {
                const int col = (n - 1) % 9, row = (n - 1) / 9;
                const int x = (2 * col + 1) * width / 18, y = height * (2 * row + 1) / 4;
                EXPECT_EQ(NumberGrid::cellAt(NumberGrid::Mode::Horses, width, height, x, y), n) << width;
            }
        }
        for (int n = 1; n <= 9; ++n) {
            const int x = static_cast<int>(width * 0.10344827586206896 * ((n - 1) % 9 + 0.5));
            EXPECT_EQ(NumberGrid::cellAt(NumberGrid::Mode::Brackets, width, 12, x, 6), n) << width;
        }
        EXPECT_EQ(NumberGrid::cellAt(NumberGrid::Mode::Brackets, width, 12, width - 1, 6), 0) << "the margin";
        for (int k = 1; k <= 23; k += 2) {
            EXPECT_EQ(ItemList::itemAt(ItemList::Layout::Columns, 12, width + 300, 80, k * ((width + 300) / 24), 40),
                      k / 2);
        }
        for (int k = 1; k <= 7; k += 2) {
            EXPECT_EQ(ItemList::itemAt(ItemList::Layout::Rows, 4, 200, width, 100, k * (width / 8)), k / 2);
        }
    }
    // A design point inside a rectangle stays inside it at any measured scale.
    const DesignRect r{286, 84, 460, 96};
    for (int width = 600; width <= 1300; width += 13) {
        const Scale s = measuredScale({638, 430}, width, width * 430 / 638);
        const plat::Rect px = scaleRect(r, s);
        for (int x = r.left; x <= r.right; ++x) {
            EXPECT_GE(scaleX(x, s), px.left);
            EXPECT_LE(scaleX(x, s), px.right);
        }
    }
}

}  // namespace
