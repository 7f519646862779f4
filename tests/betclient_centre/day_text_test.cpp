#include <gtest/gtest.h>

#include "betclient/centre/day_text.h"
#include "betclient/centre/generator.h"
#include "betclient/centre/sale_codes.h"
#include "centre_fixture.h"

using namespace centre;
using centre_test::smallDay;

TEST(DayText, ReadsAnExplicitDay) {
    Day day = smallDay();
    EXPECT_EQ(day.year * 10000 + day.month * 100 + day.day, 19981205);
    EXPECT_EQ(day.account, (Account{"11112222", "0123", 10000, 52000, 3000, 1200}));
    ASSERT_EQ(day.meetings.size(), 2u);
    EXPECT_EQ(day.meetings[0].venue, 5);
    EXPECT_EQ(day.meetings[1].venue, 9);
    EXPECT_EQ(day.meetings[0].kai, 5);
    EXPECT_EQ(day.meetings[0].nichime, 3);

    const Race& r2 = day.meetings[0].races[1];
    EXPECT_EQ(r2.startTime, 1030);
    EXPECT_EQ(r2.fieldSize(), 12);
    EXPECT_EQ(r2.horseCodes[9], kHorseScratched);
    EXPECT_EQ(r2.bracketCodes[6], kBracketPartly);  // derived: bracket 7 lost horse 10
    EXPECT_EQ(r2.sameBracketCodes[6], kSameBracketCancelled);
    EXPECT_FALSE(r2.result.known());
    EXPECT_EQ(day.meetings[0].races[5], Race{});  // races left out are not on sale

    const RaceResult& dh = day.meetings[1].races[0].result;
    EXPECT_EQ(dh.order, (std::vector<Finisher>{{1, 1}, {2, 1}, {3, 3}, {4, 4}}));
    EXPECT_EQ(dh.of(Kind::Win), (std::vector<PayoutEntry>{{1, 0, 220}, {2, 0, 350}}));
    EXPECT_EQ(dh.of(Kind::Bracket), (std::vector<PayoutEntry>{{1, 1, 1500}}));
}

TEST(DayText, WrittenDaysReadBackTheSame) {
    for (Day day : {smallDay(), generateDay(1998, 12, 5), generateDay(2003, 8, 17, 42)}) {
        std::string text = formatDayText(day);
        Day back;
        std::string error;
        ASSERT_TRUE(parseDayText(text, back, error)) << error;
        EXPECT_EQ(back, day);
        EXPECT_EQ(formatDayText(back), text);
    }
}

TEST(DayText, ExplicitBracketCodesAndWindowsLineEnds) {
    Day day;
    std::string error;
    ASSERT_TRUE(parseDayText("date 2000-01-09\r\nmeeting 中山 kai=1 nichime=4\r\n"
                             "race 3 sale=15 start=1105 horses=777777777 brackets=77777770 same=00000000\r\n",
                             day, error))
        << error;
    const Race& r = day.meetings[0].races[2];
    EXPECT_EQ(r.startTime, 1105);
    EXPECT_EQ(r.bracketCodes[7], 0);  // as given, not derived
    EXPECT_EQ(r.sameBracketCodes[7], 0);
    EXPECT_EQ(day.account.userId, kDefaultUserId);
    // Explicit codes survive a round trip.
    Day back;
    ASSERT_TRUE(parseDayText(formatDayText(day), back, error)) << error;
    EXPECT_EQ(back, day);
}

TEST(DayText, RefusesBrokenDaysWithTheLine) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"meeting 東京 kai=1 nichime=1\n", "line 1: the first record must be the date"},
        {"date 1998-12-05\nrace 1 sale=15 start=10:00 horses=7777\n", "line 2: a race needs a meeting above it"},
        {"date 1998-12-05\nmeeting 東京 kai=1 nichime=1\nrace 13 sale=15\n", "line 3: race number must be 1..12"},
        {"date 1998-12-05\nmeeting 大井 kai=1 nichime=1\n", "line 2: unknown venue"},
        {"date 1998-12-05\nmeeting 東京 kai=1 nichime=1\nrace 1 start=25:00\n", "line 3: bad race field"},
        {"date 1998-12-05\nmeeting 東京 kai=1 nichime=1\nrace 1 horses=77\nwin 1:200\n",
         "line 4: payouts follow the order line"},
        {"date 1998-12-05\nfoo\n", "line 2: unknown record"},
        {"date 1998-02-30\n", "bad date"},
        {"date 1998-12-05\nmeeting 東京 kai=10 nichime=1\n", "meeting 1: kai outside 1..9"},
        {"date 1998-12-05\nmeeting 東京 kai=1 nichime=1\nmeeting 東京 kai=1 nichime=2\n",
         "meeting 2: venue held twice"},
        {"date 1998-12-05\naccount user=123456789\n", "user ID must be 1 to 8 digits"},
        {"date 1998-12-05\naccount limit=1000000\n", "purchase limit out of range"},
        {"date 1998-12-05\nmeeting 東京 kai=1 nichime=1\nrace 1 horses=777\norder 4 1\n",
         "meeting 1 race 1: finisher is not a runner"},
        {"date 1998-12-05\nmeeting 東京 kai=1 nichime=1\nrace 1 horses=777\norder 1 2\nwin 1:10000000\n",
         "meeting 1 race 1: payout out of range"},
        {"date 1998-12-05\nmeeting 東京 kai=1 nichime=1\nrace 1 horses=7777\norder 1 2\n"
         "place 1:100 2:100 3:100 4:100 1:100 2:100\n",
         "meeting 1 race 1: too many payout entries for 2"},
    };
    for (const auto& c : cases) {
        Day day;
        std::string error;
        EXPECT_FALSE(parseDayText(c.text, day, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}
