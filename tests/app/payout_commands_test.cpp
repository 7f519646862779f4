// The payout-fetch dialog (what it stores, what it leaves alone) and the
// report command.
#include <sys/stat.h>

#include "app/payout_commands.h"
#include "base/recording_notifier.h"
#include "clientdata/payout_report.h"
#include "support/dialog_desktop.h"
#include "platform/clock.h"

namespace app_test {
namespace {

using testsupport::FieldText;
using testsupport::IsChecked;
using testsupport::Press;
using testsupport::Retype;
using testsupport::u8;

class PayoutDialogTest : public testsupport::DialogDesktopTest {
protected:
    PayoutDialogTest() {
        user_.onDialog(app::kPayoutDialogCaption,
                       [this](sim::Desktop&, const sim::ModalInfo& info) { steps_(info.window); });
    }
    // Shows the dialog; the user takes the steps on it.
    app::PayoutDialogChoice show(const std::function<void(plat::Hwnd)>& steps) {
        steps_ = steps;
        app::PayoutDialogChoice choice{};
        onProgram([&](plat::Hwnd main) { choice = app::ShowPayoutFetchDialog(main, settings_, profile_); });
        return choice;
    }
    int stored() { return profile_.getInt("Define", "Haraimodoshi Info Get Time", -1); }

private:
    std::function<void(plat::Hwnd)> steps_;
};

TEST_F(PayoutDialogTest, ShowsTheStoredValueAndOkStoresTheEditedOne) {
    settings_.haraimodoshiInfoGetTime = 31650;
    bool filled = false;
    const auto choice = show([&](plat::Hwnd d) {
        filled = IsChecked(d, app::kIdAutoFetch) && IsChecked(d, app::kIdWriteReport) &&
                 FieldText(d, app::kIdFetchHour) == "16" && FieldText(d, app::kIdFetchMinute) == "50";
        Retype(d, app::kIdFetchHour, "9");
        Press(d, plat::IDOK);  // refused: the hour is out of range
        Retype(d, app::kIdFetchHour, "12");
        Retype(d, app::kIdFetchMinute, "5");
        Press(d, app::kIdAutoFetch);
        Press(d, plat::IDOK);
    });
    EXPECT_TRUE(filled);
    EXPECT_EQ(choice, app::PayoutDialogChoice::Saved);
    EXPECT_EQ(settings_.haraimodoshiInfoGetTime, 21205);
    EXPECT_EQ(stored(), 21205);
    EXPECT_EQ(boxTextsSeen(), std::vector<std::string>{u8("10 から 16 までの整数を入力してください。")});
}

TEST_F(PayoutDialogTest, FetchNowAndCancelLeaveTheValueAsItWas) {
    settings_.haraimodoshiInfoGetTime = 1650;
    EXPECT_EQ(show([](plat::Hwnd d) {
                  Retype(d, app::kIdFetchHour, "99");  // not checked: nothing is stored
                  Press(d, app::kIdAutoFetch);
                  Press(d, app::kIdFetchNow);
              }),
              app::PayoutDialogChoice::FetchNow);
    EXPECT_EQ(show([](plat::Hwnd d) {
                  Retype(d, app::kIdFetchMinute, "10");
                  Press(d, plat::IDCANCEL);
              }),
              app::PayoutDialogChoice::Cancel);
    EXPECT_EQ(settings_.haraimodoshiInfoGetTime, 1650);
    EXPECT_EQ(stored(), -1);
    EXPECT_TRUE(boxTextsSeen().empty());
}

class NoTotals : public clientdata::TotalsHost {
public:
    void showBetStatus() override {}
    void storeCurrentInfo(const std::string&) override {}
};

class PayoutReportCommandTest : public testsupport::DialogDesktopTest {
protected:
    PayoutReportCommandTest() {
        terms.termsYear = 1998, terms.termsMonth = 12, terms.termsDay = 7;
        base::MeetingTerms& m = terms.meetings[0];
        m.year = 1998, m.venueCode = 6, m.kai = 5, m.nichime = 4;
        betFile.path = dir_.file("98120701.Bet");
    }
    void run() {
        ASSERT_TRUE(desktop_.call("ornel", [&] { app::PayoutReportCommand(context, plat::now()); }));
    }
    std::string report() const { return testsupport::readBytes(dir_.file("Hi981207.Txt")); }

    base::VotingTerms terms;
    clientdata::PayoutTables tables;
    base::CurrentBetFile betFile;
    NoTotals totals;
    base::RecordingNotifier notifier;
    clientdata::PayoutContext context{terms, tables, betFile, dir_.file("Pat95.exe"), 1650, totals, notifier};
};

TEST_F(PayoutReportCommandTest, WritesTheReportWithOrWithoutABetLog) {
    run();  // no bet log: nothing reconciled, the report still written
    EXPECT_NE(report().find("中山"), std::string::npos) << u8(report());
    testsupport::writeBytes(dir_.file("BT981207.LOG"), "\r\nLOAD BET FILE 98/12/07 10:00:00\r\n");
    run();
    EXPECT_NE(testsupport::readBytes(dir_.file("BT981207.LOG")).find("収入"), std::string::npos);
    EXPECT_FALSE(report().empty());
    EXPECT_TRUE(notifier.events().empty());
}

TEST_F(PayoutReportCommandTest, AReportThatCannotBeWrittenIsReportedOnceWhenTheSettingAsksForItToo) {
    context.payoutFetchTime = 21650;
    testsupport::writeBytes(dir_.file("BT981207.LOG"), "");
    ASSERT_EQ(mkdir(dir_.file("Hi981207.Txt").c_str(), 0777), 0);
    run();
    EXPECT_EQ(notifier.boxIds().size(), 1u);
}

}  // namespace
}  // namespace app_test
