// The information form: payouts and race cards chosen for both racecourses,
// fetched in one transfer.
#include "betclient/centre/payout_file.h"
#include "betclient/centre/race_card_file.h"
#include "betclient/centre/venues.h"
#include "betclient_centre/centre_fixture.h"
#include "client_fixture.h"

namespace clienttest {
namespace {

using namespace hand;
using namespace plat;

class InfoTest : public ClientTest {
protected:
    void toInfoForm() {
        install();
        act([&] {
            logIn();
            skipTerms();
            openInfoForm();
        });
    }
    // The racecourse list in the panel's frame, moved with arrow keys.
    void chooseRacecourse(const std::string& name) {
        const Hwnd panel = findByClass(kForm, kInfo, 57, 77, "AfxWnd40");
        ASSERT_NE(panel, 0u);
        const Point p = scaled(53, 49);
        const Hwnd combo = getWindow(searchByCaption(panel, p.x, p.y, "場名"), GW_CHILD);
        ASSERT_NE(combo, 0u);
        clickAt(combo, clientPoint(findWindow(kForm, kInfo), combo, p));
        ASSERT_TRUE(moveToItem(combo, name));
        ASSERT_EQ(getWindowText(combo), name);
    }
    // Clicks at the middles of the list's bands, as the operating program does.
    void clickRows(int x, int y) {
        const Hwnd list = findAt(kForm, kInfo, x, y);
        ASSERT_NE(list, 0u);
        Rect r;
        getClientRect(list, r);
        for (int k = 1; k <= 7; k += 2) clickAt(list, {r.width() / 2, k * (r.height() / 8)});
    }
    void clickColumns(int x, int y) {
        const Hwnd list = findAt(kForm, kInfo, x, y);
        ASSERT_NE(list, 0u);
        Rect r;
        getClientRect(list, r);
        for (int k = 1; k <= 23; k += 2) clickAt(list, {k * (r.width() / 24), r.height() / 2});
    }
    bool transferEnabled() { return isWindowEnabled(findByCaption(kForm, kInfo, 142, 379, "通信")); }
};

TEST_F(InfoTest, PayoutsAndRaceCardsOfBothRacecoursesInOneTransfer) {
    toInfoForm();
    act([&] {
        EXPECT_FALSE(transferEnabled());
        ASSERT_TRUE(click(kForm, kInfo, 341, 94, "情報取得"));
        EXPECT_FALSE(transferEnabled()) << "nothing selected yet";
        clickRows(104, 160);
        EXPECT_TRUE(transferEnabled());
        const std::string rows = text(findAt(kForm, kInfo, 104, 160));
        EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 3) << "four rows";
        EXPECT_EQ(rows.find("□"), std::string::npos) << testsupport::u8(rows);

        chooseRacecourse("阪神");
        ASSERT_TRUE(click(kForm, kInfo, 341, 94, "情報取得"));
        EXPECT_NE(text(findAt(kForm, kInfo, 104, 160)).find("□"), std::string::npos) << "阪神 starts unselected";
        clickRows(104, 160);
        chooseRacecourse("東京");
        ASSERT_TRUE(click(kForm, kInfo, 341, 94, "情報取得"));
        clickColumns(494, 240);

        ASSERT_TRUE(click(kForm, kInfo, 142, 379, "通信"));
        runTransfer();
        ASSERT_NE(waitTop(kBox, kInfoBox), 0u);
        ASSERT_TRUE(clickAnywhere(kBox, kInfoBox, "OK"));
        ASSERT_TRUE(waitGone(kBox, kInfoBox));
        EXPECT_FALSE(transferEnabled()) << "the selections went with the transfer";
        EXPECT_EQ(findAt(kForm, kInfo, 104, 160), 0u);
    });
    const centre::Day day = centreNow().day();
    for (const centre::Meeting& m : day.meetings) {
        for (const centre::Kind kind : centre::kAllKinds) {
            const std::string line = clientFile(centre::payoutFileName(day, m, kind));
            EXPECT_EQ(centre_test::bytes(line, centre::payout_layout::kVenueName.at, 4), centre::venueName(m.venue));
        }
    }
    const centre::Meeting& tokyo = day.meetings[0];
    for (int race = 1; race <= 12; ++race) {
        const std::string card = clientFile(centre::raceCardFileName(tokyo, race));
        EXPECT_EQ(centre_test::field(card, centre::race_card_layout::kRaceNo.at, 2), race);
        EXPECT_FALSE(clientFileExists(centre::raceCardFileName(day.meetings[1], race))) << "阪神 cards were not chosen";
    }
}

TEST_F(InfoTest, AClickOnASelectedItemTakesItBack) {
    toInfoForm();
    act([&] {
        ASSERT_TRUE(click(kForm, kInfo, 341, 94, "情報取得"));
        const Hwnd list = findAt(kForm, kInfo, 104, 160);
        Rect r;
        getClientRect(list, r);
        clickAt(list, {r.width() / 2, 3 * (r.height() / 8)});
        EXPECT_TRUE(transferEnabled());
        clickAt(list, {r.width() / 2, 3 * (r.height() / 8)});
        EXPECT_FALSE(transferEnabled());
        ASSERT_TRUE(click(kForm, kInfo, 56, 379, "閉じる"));
        EXPECT_TRUE(waitGone(kForm, kInfo));
    });
}

}  // namespace
}  // namespace clienttest
