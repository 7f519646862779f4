#include "betclient/centre/terms_file.h"

#include "betclient/centre/venues.h"
#include "betclient/centre/voting.h"
#include "betclient/centre/words.h"

namespace centre {

using namespace terms_layout;

std::string formatTermsLine(const Day& day, int slot, int fetchTime) {
    FixedLine line;
    const Account& a = day.account;
    line.number(kYear, day.year).number(kMonth, day.month).number(kDay, day.day);
    int userId = 0;
    toInt(a.userId, userId);
    line.number(kUserId, userId).number(kFetchTime, fetchTime);
    line.number(kPurchaseLimit, a.purchaseLimit).number(kBalance, a.balance);
    line.number(kPrevDayPurchase, a.prevDayPurchase).number(kPrevDayPayout, a.prevDayPayout);
    line.number(kBetsPerDayField, kBetsPerDay).number(kMeetingCount, static_cast<long long>(day.meetings.size()));
    line.text(kSlotLetter, std::string(1, static_cast<char>('a' + slot)));
    const bool held = slot >= 0 && slot < static_cast<int>(day.meetings.size());
    const Meeting empty{};
    const Meeting& m = held ? day.meetings[slot] : empty;
    line.number(kVenueCode, m.venue).text(kVenueName, venueName(m.venue));
    line.number(kKai, m.kai).number(kNichime, m.nichime);
    line.number(kWeekday, weekday(day.year, day.month, day.day));
    for (int k = 0; k < kRaceBlocks; ++k) {
        const Race race = k < kRacesPerMeeting ? m.races[k] : Race{};
        line.number(raceSaleCode(k), race.saleCode);
        for (int j = 0; j < kMaxHorses; ++j) line.number(horseCode(k, j), race.horseCodes[j]);
        for (int j = 0; j < kBrackets; ++j) {
            line.number(bracketCode(k, j), race.bracketCodes[j]);
            line.number(sameBracketCode(k, j), race.sameBracketCodes[j]);
        }
        line.number(startTime(k), race.startTime);
    }
    return line.str();
}

}  // namespace centre
