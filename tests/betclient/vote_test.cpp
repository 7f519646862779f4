// Entering and submitting bets on the vote form as a user does, at the
// design size and drawn 1.5 times larger: the vote log and the centre's
// ledger agree with what was entered, once.
#include "client_fixture.h"
#include "clientdata/vote_log_record.h"
#include "platform/clock.h"

namespace clienttest {
namespace {

using namespace hand;
using namespace plat;
using centre::Bet;
using centre::Kind;
// The bets of a vote log with their acceptance statuses, read with the
// program's own reader.
std::vector<std::pair<Bet, int>> voteLogEntries(const std::string& file) {
    const clientdata::VoteLogRecord record = clientdata::ParseVoteLogRecord(file.substr(0, file.find("\r\n")));
    std::vector<std::pair<Bet, int>> entries;
    for (const clientdata::VoteLogEntry& e : record.entries) {
        Bet bet{e.venueCode, e.race, static_cast<Kind>(e.kind), 0, 0, e.amountUnits};
        const bool pair = centre::isPairKind(bet.kind);
        bet.first = pair ? e.first : e.second;
        bet.second = pair ? e.second : 0;
        entries.emplace_back(bet, e.status);
    }
    return entries;
}

std::vector<Bet> ledgerBets(const centre::Centre& c) {
    std::vector<Bet> bets;
    for (const centre::LedgerEntry& e : c.ledger()) bets.push_back(e.bet);
    return bets;
}

class VoteTest : public ClientTest, public ::testing::WithParamInterface<const char*> {
protected:
    // Logged in (terms skipped), on the vote form at 東京.
    void toVoteForm(std::vector<std::string> faults = {}) {
        if (*GetParam() != '\0') faults.push_back(GetParam());
        install(faults);
        act([&] {
            logIn();
            skipTerms();
            openVoteAt("東京", 635, 346);
        });
    }
    void dismiss(const char* caption, int x, int y, const std::string& prefix) {
        ASSERT_NE(boxText(caption, x, y, prefix), 0u) << testsupport::u8(prefix);
        ASSERT_TRUE(clickAnywhere(kBox, caption, "OK"));
        ASSERT_TRUE(waitGone(kBox, caption));
    }
};

INSTANTIATE_TEST_SUITE_P(Scales, VoteTest, ::testing::Values("", "scale=1.5"),
                         [](const auto& info) { return *info.param ? "Scaled" : "DesignSize"; });

TEST_P(VoteTest, AGroupIsPlacedOnceAndTheLogAgreesWithTheLedger) {
    toVoteForm();
    act([&] {
        enterBet("東京", 1, "馬連", {7, 3}, 1000);
        enterBet("阪神", 1, "単勝", {5}, 500);
        enterBet("東京", 3, "枠連", {5, 5}, 300);  // cell 9: the same bracket
        const Hwnd list = findByCaption(kForm, kVote, 300, 300, "01 ");
        ASSERT_NE(list, 0u) << "the pending list shows the bets";
        const std::string shown = text(list);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 3);
        openConfirm();
        submitGroup(1800, false);
        acknowledgeVote();
    });
    const std::vector<Bet> expected = {{5, 1, Kind::Quinella, 3, 7, 10}, {9, 1, Kind::Win, 5, 0, 5},
                                       {5, 3, Kind::Bracket, 5, 5, 3}};
    const centre::Centre c = centreNow();
    EXPECT_EQ(ledgerBets(c), expected);
    const std::string log = clientFile("Lg-00.JRA");
    const clientdata::VoteLogRecord record = clientdata::ParseVoteLogRecord(log.substr(0, log.find("\r\n")));
    EXPECT_EQ(record.receiptNo, 1);
    EXPECT_EQ(record.purchaseUnits, 18);
    const auto logged = voteLogEntries(log);
    ASSERT_EQ(logged.size(), expected.size());
    for (std::size_t i = 0; i < logged.size(); ++i) {
        EXPECT_EQ(logged[i].first, expected[i]) << i;
        EXPECT_EQ(logged[i].second, 0) << "accepted";
    }
    act([&] {
        EXPECT_EQ(findWindow(kForm, kConfirm), 0u);
        EXPECT_EQ(findByCaption(kForm, kVote, 300, 300, "01 "), 0u) << "nothing pending any more";
    });
}

TEST_P(VoteTest, AResultLeftOpenShowsTheNextVote) {
    toVoteForm();
    for (int receipt = 1; receipt <= 2; ++receipt) {
        act([&] {
            enterBet("阪神", 1, "複勝", {receipt}, 100);
            openConfirm();
            submitGroup(100, false);
            ASSERT_NE(waitByCaption(kBox, kInfoBox, 222, 88, "OK"), 0u);
            ASSERT_TRUE(answerBox(kInfoBox, 222, 88, "OK"));
            const Hwnd header = waitByCaption(kForm, kResult, 100, 40, "受付番号");
            ASSERT_NE(header, 0u);
            EXPECT_NE(text(header).find(receipt == 1 ? "0001" : "0002"), std::string::npos) << testsupport::u8(text(header));
        });
    }
    EXPECT_EQ(centreNow().ledger().size(), 2u);
    EXPECT_TRUE(clientFileExists("Lg-01.JRA"));
}

// Fifty bets of up to 999,900 yen make a total of eight digits: the field
// takes them all.
TEST_P(VoteTest, TheTotalFieldTakesAGroupsLargestTotal) {
    toVoteForm();
    act([&] {
        enterBet("東京", 1, "複勝", {2}, 400);
        openConfirm();
        typeTotal(49995000);
        const Hwnd confirm = findWindow(kForm, kConfirm);
        Hwnd field = 0;
        for (Hwnd c = getWindow(confirm, GW_CHILD); c != 0 && field == 0; c = getWindow(c, GW_HWNDNEXT))
            if (getStyle(c) & WS_TABSTOP) field = c;
        ASSERT_NE(field, 0u);
        EXPECT_EQ(text(field), "49995000");
    });
}

TEST_P(VoteTest, SameBracketCancellationIsAnnouncedAndOnlyAForcedVoteGoes) {
    toVoteForm();
    act([&] {
        // 東京 2R: horse 10 is scratched, so bracket 7 (9 and 10) cannot pair with itself.
        ASSERT_TRUE(selectItem(kVote, "ﾚｰｽ番号", "  ２", 92, 199));
        ASSERT_TRUE(check(kForm, kVote, 57, 306, "枠連"));
        clickBracket(7);
        ASSERT_NE(boxText(kInfoBox, 139, 56, "同枠取消があります。"), 0u);
        ASSERT_TRUE(answerBox(kInfoBox, 111, 104, "OK"));
        ASSERT_TRUE(waitGone(kBox, kInfoBox));
        clickBracket(8);
        EXPECT_EQ(findWindow(kBox, kInfoBox), 0u) << "bracket 8 pairs with itself";
        typeAmount(200);
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        openConfirm();
        typeTotal(200);
        pressSubmit(false);
        ASSERT_NE(boxText(kInfoBox, 60, 50, "同枠取消を含む"), 0u) << "a normal vote is refused";
        ASSERT_TRUE(clickAnywhere(kBox, kInfoBox, "OK"));
        ASSERT_TRUE(waitGone(kBox, kInfoBox));
        pressSubmit(true);
        runTransfer();
        acknowledgeVote();
    });
    EXPECT_EQ(ledgerBets(centreNow()), (std::vector<Bet>{{5, 2, Kind::Bracket, 7, 8, 2}}));
}

TEST_P(VoteTest, SameBracketFaultAnnouncesOnEveryBracketClick) {
    toVoteForm({"same-bracket"});
    act([&] {
        ASSERT_TRUE(check(kForm, kVote, 57, 306, "枠連"));
        for (int bracket : {2, 6}) {
            clickBracket(bracket);
            ASSERT_NE(boxText(kInfoBox, 139, 56, "同枠取消があります。"), 0u) << bracket;
            ASSERT_TRUE(answerBox(kInfoBox, 111, 104, "OK"));
            ASSERT_TRUE(waitGone(kBox, kInfoBox));
        }
        typeAmount(100);
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        openConfirm();
        submitGroup(100, true);
        acknowledgeVote();
    });
    EXPECT_EQ(ledgerBets(centreNow()), (std::vector<Bet>{{5, 1, Kind::Bracket, 2, 6, 1}}));
    const auto lines = faultLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "same-bracket"), lines.end()) << "a standing fault stays";
}

TEST_P(VoteTest, EntryChecksTellWhatIsMissing) {
    toVoteForm({"validation=pair"});
    act([&] {
        enterBet("東京", 1, "馬連", {3, 7}, 100);
        dismiss(kInfoBox, 278, 56, "枠連、馬連選択時");  // the fault, on a complete bet
        ASSERT_TRUE(check(kForm, kVote, 57, 259, "単勝"));
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        dismiss(kInfoBox, 278, 56, "単勝、複勝選択時");
        ASSERT_TRUE(check(kForm, kVote, 57, 331, "馬連"));
        clickHorse(4);
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        dismiss(kInfoBox, 178, 56, "馬番／枠番を２つ選択");
        clickHorse(6);
        ASSERT_TRUE(click(kForm, kVote, 561, 152, "Ｃ"));
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        dismiss(kInfoBox, 144, 56, "金額を入力");
        typeAmount(700);
        ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
        EXPECT_EQ(findWindow(kBox, nullptr), 0u);
    });
    act([&] {
        const Hwnd list = findByCaption(kForm, kVote, 300, 300, "01 ");
        ASSERT_NE(list, 0u);
        EXPECT_NE(text(list).find("04-06"), std::string::npos) << testsupport::u8(text(list));
    });
    EXPECT_TRUE(centreNow().ledger().empty());
}

TEST_P(VoteTest, WrongTotalIsRefusedAndTheRightOneGoes) {
    toVoteForm({"total-mismatch"});
    act([&] {
        enterBet("東京", 1, "複勝", {2}, 400);
        openConfirm();
        typeTotal(4000);
        pressSubmit(false);
        dismiss(kInfoBox, 221, 62, "合計金額が誤りです。");
        EXPECT_EQ(findWindow(kForm, kComm), 0u);
        EXPECT_NE(findWindow(kForm, kConfirm), 0u);
    });
    act([&] {
        // The right total, refused once by the fault, then taken.
        const Hwnd confirm = findWindow(kForm, kConfirm);
        for (Hwnd c = getWindow(confirm, GW_CHILD); c != 0; c = getWindow(c, GW_HWNDNEXT)) {
            if (getStyle(c) & WS_TABSTOP) {
                setWindowText(c, "");
                break;
            }
        }
        typeTotal(400);
        pressSubmit(false);
        dismiss(kInfoBox, 221, 62, "合計金額が誤りです。");
        pressSubmit(false);
        runTransfer();
        acknowledgeVote();
    });
    EXPECT_EQ(ledgerBets(centreNow()), (std::vector<Bet>{{5, 1, Kind::Place, 2, 0, 4}}));
}

TEST_P(VoteTest, Error10001ComesAfterAnAcceptedVote) {
    toVoteForm({"error-10001"});
    act([&] {
        enterBet("阪神", 1, "馬連", {1, 18}, 1200);
        openConfirm();
        submitGroup(1200, false);
        ASSERT_NE(boxText(kErrorBox, 340, 62, "10001"), 0u);
        ASSERT_TRUE(answerBox(kErrorBox, 308, 112, "OK"));
        ASSERT_TRUE(waitGone(kBox, kErrorBox));
        plat::sleep(1000);
        EXPECT_EQ(findWindow(kForm, kResult), 0u);
        EXPECT_EQ(findWindow(kForm, kConfirm), 0u);
    });
    EXPECT_EQ(ledgerBets(centreNow()), (std::vector<Bet>{{9, 1, Kind::Quinella, 1, 18, 12}}));
    EXPECT_EQ(voteLogEntries(clientFile("Lg-00.JRA")).size(), 1u);
}

TEST_P(VoteTest, Error11028AsksForTheTotalAgainAndAForcedVote) {
    toVoteForm({"error-11028"});
    act([&] {
        enterBet("東京", 5, "単勝", {8}, 100);
        openConfirm();
        submitGroup(100, false);
        ASSERT_NE(boxText(kErrorBox, 343, 65, "11028"), 0u);
        ASSERT_TRUE(answerBox(kErrorBox, 312, 118, "OK"));
        ASSERT_TRUE(waitGone(kBox, kErrorBox));
    });
    EXPECT_TRUE(centreNow().ledger().empty()) << "nothing taken before the forced vote";
    EXPECT_FALSE(clientFileExists("Lg-00.JRA"));
    act([&] {
        submitGroup(100, true);
        acknowledgeVote();
    });
    EXPECT_EQ(ledgerBets(centreNow()), (std::vector<Bet>{{5, 5, Kind::Win, 8, 0, 1}}));
}

TEST_P(VoteTest, AHungTransferCanBeStoppedWithoutAVote) {
    toVoteForm({"transfer-hang"});
    act([&] {
        enterBet("東京", 1, "単勝", {1}, 100);
        openConfirm();
        typeTotal(100);
        pressSubmit(false);
        const Hwnd ok = waitByCaption(kForm, kComm, 132, 115, "ＯＫ");
        ASSERT_NE(ok, 0u);
        ASSERT_TRUE(click(kForm, kComm, 132, 115, "ＯＫ"));
        ASSERT_TRUE(waitHidden(ok));
        EXPECT_FALSE(waitGone(kForm, kComm, 60'000)) << "the transfer hangs";
        pressSubmit(true);  // ignored while the vote is on its way
        ASSERT_TRUE(clickAnywhere(kForm, kComm, "中止"));
        ASSERT_TRUE(waitGone(kForm, kComm));
        ASSERT_NE(boxText(kInfoBox, 60, 50, "通信を中止しました。"), 0u);
        ASSERT_TRUE(clickAnywhere(kBox, kInfoBox, "OK"));
    });
    EXPECT_TRUE(centreNow().ledger().empty());
    act([&] {
        EXPECT_NE(findWindow(kForm, kConfirm), 0u) << "the vote can be sent again";
        pressSubmit(true);
        runTransfer();
        acknowledgeVote();
    });
    EXPECT_EQ(centreNow().ledger().size(), 1u);
}

}  // namespace
}  // namespace clienttest
