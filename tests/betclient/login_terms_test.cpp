// Signing in and fetching the day's terms, the way a user does it.
#include "betclient/centre/terms_file.h"
#include "client_fixture.h"
#include "clientdata/terms_file.h"
#include "platform/clock.h"
#include "platform/system.h"

namespace clienttest {
namespace {

using namespace hand;
using namespace plat;

using LoginTest = ClientTest;

TEST_F(LoginTest, FetchingTermsWritesTheDaysFilesAndOpensTheVenueGuide) {
    install();
    act([&] {
        logIn();
        // The fields were reached by descending from the form by position.
        EXPECT_EQ(plat::getClassName(findDeepestAt(kForm, kLogin, 484, 352)), "Edit");
        EXPECT_EQ(plat::getClassName(findDeepestAt(kForm, kLogin, 504, 322)), "Edit");
        EXPECT_EQ(findWindow(kForm, kMenu), 0u) << "no menu before the terms question is answered";
        fetchTerms();
    });
    // Read back with the program's own reader.
    const int venues[3] = {5, 9, 0};  // 東京, 阪神, an empty slot
    for (int slot = 0; slot < 3; ++slot) {
        const std::string file = clientFile(centre::kTermsFileNames[static_cast<std::size_t>(slot)]);
        const std::string line = file.substr(0, file.find("\r\n"));
        const clientdata::TermsHeader header = clientdata::ParseTermsHeader(line);
        EXPECT_EQ(header.year, 1998);
        EXPECT_EQ(header.month, 12);
        EXPECT_EQ(header.day, 5);
        EXPECT_EQ(header.purchaseLimit, 10000);
        EXPECT_EQ(header.accountBalance, 52000);
        base::MeetingTerms meeting;
        clientdata::ParseMeeting(line, header, meeting);
        EXPECT_EQ(meeting.venueCode, venues[slot]) << "slot " << slot;
        if (slot == 0) {
            EXPECT_EQ(meeting.races[1].raceSaleCode, 15);
            EXPECT_EQ(meeting.races[1].horseSaleCodes[9], 1) << "東京 2R horse 10 scratched";
            EXPECT_EQ(meeting.races[1].sameBracketSaleCodes[6], 2) << "so 7-7 is cancelled";
            EXPECT_EQ(meeting.races[3].raceSaleCode, 0);
        }
    }
    act([&] {
        EXPECT_EQ(findWindow(kForm, kLogin), 0u) << "the login form has gone";
        EXPECT_NE(findWindow(kForm, kMenu), 0u);
        EXPECT_NE(findWindow("ThunderRTMain", kLogin), 0u);
        // Racecourse buttons: enabled for the day's meetings only.
        EXPECT_TRUE(plat::isWindowEnabled(findByCaption(kForm, kVenues, 635, 346, "東京")));
        EXPECT_TRUE(plat::isWindowEnabled(findByCaption(kForm, kVenues, 466, 335, "阪神")));
        EXPECT_FALSE(plat::isWindowEnabled(findByCaption(kForm, kVenues, 687, 293, "中山")));
        EXPECT_FALSE(plat::isWindowEnabled(findByCaption(kForm, kVenues, 530, 117, "札幌")));
    });
}

TEST_F(LoginTest, WrongPasswordAndRefusedLoginShowErrorsUntilTheRightLogin) {
    install({"login-refused"});
    act([&] {
        startClient();
        typeCredentials(kUser, kPassword);
        ASSERT_NE(boxText(kErrorBox, 60, 50, "30001"), 0u) << "the centre refused once";
        ASSERT_TRUE(clickAnywhere(kBox, kErrorBox, "OK"));
        ASSERT_TRUE(waitGone(kBox, kErrorBox));
        EXPECT_EQ(findByCaption(kForm, kLogin, 99, 127, "取得する"), 0u);

        typeCredentials(kUser, "9999");
        ASSERT_NE(boxText(kErrorBox, 60, 50, "ユーザーＩＤまたはパスワード"), 0u);
        ASSERT_TRUE(clickAnywhere(kBox, kErrorBox, "OK"));
        ASSERT_TRUE(waitGone(kBox, kErrorBox));
        EXPECT_EQ(findByCaption(kForm, kLogin, 249, 127, "取得しない"), 0u);

        // The user ID field still holds its digits; the password was cleared.
        typeCredentials("", kPassword);
        EXPECT_NE(waitByCaption(kForm, kLogin, 249, 127, "取得しない"), 0u);
    });
    EXPECT_TRUE(faultLines().empty()) << "a one-shot fault goes once it has fired";
}

TEST_F(LoginTest, FailedTransferLeavesNoTermsAndOffersTheChoiceAgain) {
    install({"transfer-error"});
    act([&] {
        logIn();
        ASSERT_TRUE(click(kForm, kLogin, 99, 127, "取得する"));
        EXPECT_FALSE(click(kForm, kLogin, 99, 127, "取得する")) << "no second fetch while one runs";
        runTransfer();
        ASSERT_NE(boxText(kErrorBox, 60, 50, "90001"), 0u);
        ASSERT_TRUE(clickAnywhere(kBox, kErrorBox, "OK"));
        ASSERT_TRUE(waitGone(kBox, kErrorBox));
        EXPECT_EQ(findWindow(kForm, kVenues), 0u);
        EXPECT_FALSE(clientFileExists("Uy-a.Jra"));
        fetchTerms();
    });
    EXPECT_TRUE(clientFileExists("Uy-a.Jra"));
}

TEST_F(LoginTest, SkippingTheTermsAndClosingTheLoginForm) {
    install();
    act([&] {
        logIn();
        skipTerms();
    });
    EXPECT_FALSE(clientFileExists("Uy-a.Jra"));

    // A second start while the client runs leaves the one that runs.
    act([&] {
        ASSERT_GT(plat::shellExecute(0, "open", exe, "", client.path(), plat::SW_SHOWNORMAL), 32);
        plat::sleep(1000);
        int mains = 0;
        for (plat::Hwnd w = findWindow("ThunderRTMain", nullptr); w != 0; w = getWindow(w, plat::GW_HWNDNEXT)) {
            mains += plat::getClassName(w) == "ThunderRTMain";
        }
        EXPECT_EQ(mains, 1);
    });
}

}  // namespace
}  // namespace clienttest
