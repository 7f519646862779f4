#include "betclient/centre/race_card_file.h"

#include <cstdio>

#include "betclient/centre/brackets.h"
#include "betclient/centre/horse_names.h"
#include "betclient/centre/sale_codes.h"
#include "betclient/centre/venues.h"

namespace centre {

namespace {

std::string_view horseStatus(int code) {
    switch (code) {
        case kHorseOnSale: return "出走";
        case kHorseScratched: return "取消";
        case kHorseExcluded: return "除外";
        default: return "    ";
    }
}

}  // namespace

std::string raceCardFileName(const Meeting& m, int race) {
    char name[32];
    std::snprintf(name, sizeof name, "De-%d%d%x.Jra", m.venue, m.nichime, race);
    return name;
}

std::vector<std::string> formatRaceCard(const Day& day, const Meeting& m, int r) {
    using namespace race_card_layout;
    const Race& race = m.races[r - 1];
    char label[8];
    std::snprintf(label, sizeof label, "%2dR", r);
    FixedLine head;
    head.number(kYear, day.year).number(kMonth, day.month).number(kDay, day.day);
    head.text(kVenueName, venueName(m.venue)).text(kRaceLabel, label);
    head.number(kKai, m.kai).number(kNichime, m.nichime).number(kRaceNo, r);
    head.number(kStartTime, race.startTime).number(kFieldSize, race.fieldSize());
    head.number(kRunners, race.horsesOnSale()).number(kSaleCode, race.saleCode);
    std::vector<std::string> lines{head.str()};
    const int n = race.fieldSize();
    for (int h = 1; h <= n; ++h) {
        if (race.horseCodes[h - 1] == kHorseNone) continue;
        FixedLine line;
        line.number(kHorseBracket, bracketOf(n, h), FixedLine::Pad::Blank);
        line.number(kHorseNumber, h, FixedLine::Pad::Blank);
        line.text(kHorseName, horseName(day, m.venue, r, h));
        line.text(kHorseStatus, horseStatus(race.horseCodes[h - 1]));
        lines.push_back(line.str());
    }
    return lines;
}

std::string formatDenLine(const Day& day, const Meeting& m, int r) {
    using namespace den_layout;
    const Race& race = m.races[r - 1];
    FixedLine line;
    line.number(kVenue, m.venue).number(kYear, day.year % 100);
    line.number(kKai, m.kai).number(kNichime, m.nichime).number(kRace, r);
    line.number(kDate, day.month * 100 + day.day).number(kStartTime, race.startTime);
    line.number(kFieldSize, race.fieldSize()).text(kVenueName, venueName(m.venue));
    return line.str();
}

}  // namespace centre
