// Every named position of every form lies inside the named control — its
// window rectangle and its client area — when searched for the way the
// operating program searches, at the design size and drawn 1.5 times larger.
#include "client_fixture.h"
#include "platform/clock.h"

namespace clienttest {
namespace {

using namespace hand;
using namespace plat;

struct Named {
    const char* prefix;
    int x, y;
};

const std::vector<Named> kLoginPoints = {{"ＯＫ", 381, 412}};
const std::vector<Named> kTermsChoicePoints = {{"取得する", 99, 127}, {"取得しない", 249, 127}};
const std::vector<Named> kCommPoints = {{"ＯＫ", 132, 115}};
const std::vector<Named> kVenuePoints = {{"中山", 687, 293}, {"京都", 507, 301}, {"東京", 635, 346},
                                         {"阪神", 466, 335}, {"中京", 593, 380}, {"小倉", 402, 361},
                                         {"新潟", 526, 241}, {"福島", 674, 241}, {"函館", 657, 147},
                                         {"札幌", 530, 117}};
const std::vector<Named> kMenuPoints = {{"投  票", 55, 69}, {"パドック", 155, 69}, {"終　了", 655, 69}};
const std::vector<Named> kVotePoints = {
    {"当日/前日", 92, 138}, {"場名", 92, 71}, {"ﾚｰｽ番号", 92, 199}, {"単勝", 57, 259}, {"複勝", 57, 281},
    {"枠連", 57, 306},      {"馬連", 57, 331}, {"総流し", 227, 151}, {"通常", 163, 151}, {"馬番／枠番", 292, 90},
    {"７", 493, 73},        {"８", 538, 73},   {"９", 583, 73},      {"４", 493, 100},  {"５", 538, 100},
    {"６", 583, 100},       {"１", 493, 126},  {"２", 538, 126},     {"３", 583, 126},  {"０", 493, 152},
    {"Ｃ", 561, 152},       {"Ｏ　Ｋ", 537, 263}, {"投  票", 161, 394}};
const std::vector<Named> kConfirmPoints = {{"通常投票", 62, 202}, {"強制投票", 160, 201}};
const std::vector<Named> kResultPoints = {{"閉じる", 48, 445}};
const std::vector<Named> kInfoPoints = {{"情報取得", 341, 94}, {"通信", 142, 379}, {"閉じる", 56, 379}};

Rect windowRect(Hwnd w) {
    Rect r;
    getWindowRect(w, r);
    return r;
}

// The point (scaled, relative to the top window) inside the control's window rectangle.
bool inside(Hwnd top, Hwnd control, Point p) {
    const Rect t = windowRect(top);
    const Rect c = windowRect(control);
    const int x = p.x + t.left;
    const int y = p.y + t.top;
    return x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
}

void expectAll(const char* caption, const std::vector<Named>& points) {
    const Hwnd top = findWindow(kForm, caption);
    ASSERT_NE(top, 0u) << testsupport::u8(caption);
    for (const Named& n : points) {
        const Hwnd control = findByCaption(kForm, caption, n.x, n.y, n.prefix);
        ASSERT_NE(control, 0u) << testsupport::u8(caption) << " " << testsupport::u8(n.prefix);
        EXPECT_TRUE(inside(top, control, scaled(n.x, n.y))) << testsupport::u8(n.prefix);
    }
}

// A frame's first child covering the point.
Hwnd firstChildAt(Hwnd top, Hwnd frame, Point p) {
    for (Hwnd c = getWindow(frame, GW_CHILD); c != 0; c = getWindow(c, GW_HWNDNEXT)) {
        if (inside(top, c, p)) return c;
    }
    return 0;
}

class PositionsTest : public ClientTest, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override {
        if (GetParam() != 1.0) {
            install({"scale=" + std::to_string(GetParam())});
        } else {
            install();
        }
    }
    void expectScale(const char* caption, int width, int height) {
        const Rect r = windowRect(findWindow(kForm, caption));
        EXPECT_NEAR(r.width(), width * GetParam(), 1.0) << testsupport::u8(caption);
        EXPECT_NEAR(r.height(), height * GetParam(), 1.0) << testsupport::u8(caption);
    }
};

INSTANTIATE_TEST_SUITE_P(Scales, PositionsTest, ::testing::Values(1.0, 1.5),
                         [](const auto& info) { return info.param == 1.0 ? "DesignSize" : "Scaled"; });

TEST_P(PositionsTest, EveryNamedPointFindsItsControl) {
    act([&] {
        startClient();
        expectScale(kLogin, 651, 493);
        expectAll(kLogin, kLoginPoints);
        logIn();
        expectAll(kLogin, kTermsChoicePoints);
        ASSERT_TRUE(click(kForm, kLogin, 99, 127, "取得する"));
        ASSERT_NE(waitTop(kForm, kComm), 0u);
        expectAll(kComm, kCommPoints);
        runTransfer();
        ASSERT_NE(waitTop(kForm, kVenues), 0u);
        expectAll(kVenues, kVenuePoints);  // with the login form's scale
        const Factors loginFactors = factors();

        calibrate(kForm, kMenu, 711, 87);
        expectScale(kMenu, 711, 87);
        expectAll(kMenu, kMenuPoints);

        useFactors(loginFactors);
        openVoteAt("東京", 635, 346);
        expectScale(kVote, 638, 430);
        expectAll(kVote, kVotePoints);
        const Hwnd vote = findWindow(kForm, kVote);
        for (const Named& frame : {Named{"当日/前日", 92, 138}, Named{"場名", 92, 71}, Named{"ﾚｰｽ番号", 92, 199}}) {
            const Hwnd combo = getWindow(findByCaption(kForm, kVote, frame.x, frame.y, frame.prefix), GW_CHILD);
            EXPECT_EQ(getClassName(combo), "ComboBox") << testsupport::u8(frame.prefix);
            EXPECT_TRUE(inside(vote, combo, scaled(frame.x, frame.y)));
        }
        const Hwnd numbers = findByCaption(kForm, kVote, 292, 90, "馬番／枠番");
        Rect grid;
        getClientRect(firstChildAt(vote, numbers, scaled(292, 90)), grid);
        EXPECT_GE(grid.height(), 20) << "two rows for horses";
        ASSERT_TRUE(check(kForm, kVote, 57, 306, "枠連"));
        getClientRect(firstChildAt(vote, numbers, scaled(292, 90)), grid);
        EXPECT_LT(grid.height(), 20) << "one row for brackets";

        enterBet("東京", 1, "単勝", {1}, 100);
        openConfirm();
        expectAll(kConfirm, kConfirmPoints);
        submitGroup(100, false);
        ASSERT_NE(waitByCaption(kBox, kInfoBox, 222, 88, "OK"), 0u);
        ASSERT_TRUE(answerBox(kInfoBox, 222, 88, "OK"));
        ASSERT_NE(waitTop(kForm, kResult), 0u);
        expectAll(kResult, kResultPoints);
        ASSERT_TRUE(click(kForm, kResult, 48, 445, "閉じる"));

        openInfoForm();
        expectScale(kInfo, 758, 412);
        expectAll(kInfo, kInfoPoints);
        EXPECT_EQ(findAt(kForm, kInfo, 104, 160), 0u) << "no lists before 情報取得";
        ASSERT_TRUE(click(kForm, kInfo, 341, 94, "情報取得"));
        const Hwnd payouts = findAt(kForm, kInfo, 104, 160);
        const Hwnd cards = findAt(kForm, kInfo, 494, 240);
        ASSERT_NE(payouts, 0u);
        ASSERT_NE(cards, 0u);
        EXPECT_NE(payouts, cards);
        EXPECT_TRUE(inside(findWindow(kForm, kInfo), payouts, scaled(104, 160)));
        EXPECT_TRUE(inside(findWindow(kForm, kInfo), cards, scaled(494, 240)));
    });
}

TEST_P(PositionsTest, TheRacecourseFrameIsFoundFromThePanelEitherWay) {
    act([&] {
        logIn();
        skipTerms();
        openInfoForm();
        const Hwnd form = findWindow(kForm, kInfo);
        const Hwnd panel = findByClass(kForm, kInfo, 57, 77, "AfxWnd40");
        ASSERT_NE(panel, 0u);
        const Point p = scaled(53, 49);
        const Rect f = windowRect(form);
        const Rect c = windowRect(panel);
        const Hwnd fromPanel = searchByCaption(panel, p.x, p.y, "場名");
        const Hwnd fromForm = searchByCaption(panel, p.x + f.left - c.left, p.y + f.top - c.top, "場名");
        ASSERT_NE(fromPanel, 0u) << "(53, 49) taken from the panel's corner";
        EXPECT_EQ(fromForm, fromPanel) << "(53, 49) taken from the form's corner";
        const Hwnd combo = getWindow(fromPanel, GW_CHILD);
        EXPECT_EQ(getClassName(combo), "ComboBox");
        EXPECT_TRUE(inside(form, combo, p)) << "the list under (53, 49) of the form";
    });
}

}  // namespace
}  // namespace clienttest
