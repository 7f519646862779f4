#include "clientdata/payout_report.h"

#include <array>
#include <cstdio>

#include "base/strings.h"
#include "base/venue.h"
#include "clientdata/full_width.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace clientdata {

namespace {

constexpr const char* kFileName = "Hi%02d%02d%02d.Txt";

constexpr const char* kHeading = "\n☆★払戻金情報★☆  %4s年%2s回%4s%2s日目";
constexpr const char* kHeadingDate = "                      %s(%2s)\n";
constexpr const char* kDate = "%y年%m月%d日";
constexpr std::array<const char*, 7> kWeekdays = {"日", "月", "火", "水", "木", "金", "土"};  // Sunday first
constexpr const char* kColumns =
    "Race|  単 勝  |  複勝１ |  複勝２ |  複勝３ |  枠  連  |   馬  連   |返還&同着\n";
constexpr const char* kNote = "※なお、各レースの成績、及び配当金は主催者発行のものとご照合下さい。m(__)m\n";
constexpr const char* kClosingNote = "※現在返還情報の形式が不明なため対応していません！\n";
constexpr std::size_t kRuleWidth = 78;

// A race's rows: the mark (column 0), then the fields at fixed columns.
constexpr const char* kRowTemplate = "%c   |  |      |  |      |  |      |  |      |   |      |     |      |";
constexpr char kDeadHeatMark = '*';
constexpr int kRowsPerRace = 3;
constexpr int kPlacesPerRow = 3;  // 複勝 entries 3j .. 3j + 2 on row j
struct Cell {
    std::size_t column;
    std::size_t width;
};
constexpr Cell kRaceCell{1, 3};
constexpr Cell kWinNumber{5, 2}, kWinPayout{8, 6};
constexpr std::array<Cell, kPlacesPerRow> kPlaceNumbers = {{{15, 2}, {25, 2}, {35, 2}}};
constexpr std::array<Cell, kPlacesPerRow> kPlacePayouts = {{{18, 6}, {28, 6}, {38, 6}}};
constexpr Cell kBracketPair{45, 3}, kBracketPayout{49, 6};
constexpr Cell kQuinellaPair{56, 5}, kQuinellaPayout{62, 6};
constexpr const char* kDeadHeatNote = "※同着";  // rows after the first

// The terms date at noon (a time that exists on every day).
std::int64_t termsNoon(const base::VotingTerms& terms) {
    return plat::fromLocalTime({terms.termsYear, terms.termsMonth, terms.termsDay, 12, 0, 0, 0});
}

// Puts the first `width` characters of text into the row at the cell.
void put(std::string& row, Cell cell, const char* format, int a, int b = 0) {
    char text[32];
    std::snprintf(text, sizeof text, format, a, b);
    for (std::size_t i = 0; i < cell.width && text[i] != '\0'; ++i) row[cell.column + i] = text[i];
}
void putPayout(std::string& row, Cell cell, int payout) { put(row, cell, "%6d", payout); }

std::string rule(char c) { return std::string(kRuleWidth, c) + "\n"; }

bool rowHasEntries(const PayoutTables& t, int slot, int race, int j) {
    const int place = kPlacesPerRow * j;
    return !t.race(PayoutKind::Tansho, slot, race)[j].empty() ||
           (place < PayoutEntryCount(PayoutKind::Fukusho) && !t.race(PayoutKind::Fukusho, slot, race)[place].empty()) ||
           !t.race(PayoutKind::Wakuren, slot, race)[j].empty() || !t.race(PayoutKind::Umaren, slot, race)[j].empty();
}

std::string raceRow(const PayoutTables& t, int slot, int race, int j) {
    char start[80];
    std::snprintf(start, sizeof start, kRowTemplate, t.deadHeat(slot, race) ? kDeadHeatMark : ' ');
    std::string row = start;
    if (j == 0) put(row, kRaceCell, "%2dR", race);
    if (const PayoutEntry& win = t.race(PayoutKind::Tansho, slot, race)[j]; !win.empty()) {
        put(row, kWinNumber, "%2d", win.first);
        putPayout(row, kWinPayout, win.payout);
    }
    const auto places = t.race(PayoutKind::Fukusho, slot, race);
    for (int p = 0; p < kPlacesPerRow; ++p) {
        const std::size_t index = static_cast<std::size_t>(kPlacesPerRow * j + p);
        if (index >= places.size() || places[index].empty()) continue;
        put(row, kPlaceNumbers[p], "%2d", places[index].first);
        putPayout(row, kPlacePayouts[p], places[index].payout);
    }
    if (const PayoutEntry& bracket = t.race(PayoutKind::Wakuren, slot, race)[j]; !bracket.empty()) {
        put(row, kBracketPair, "%d-%d", bracket.first, bracket.second);
        putPayout(row, kBracketPayout, bracket.payout);
    }
    if (const PayoutEntry& pair = t.race(PayoutKind::Umaren, slot, race)[j]; !pair.empty()) {
        put(row, kQuinellaPair, "%2d-%2d", pair.first, pair.second);
        putPayout(row, kQuinellaPayout, pair.payout);
    }
    if (j > 0) row += kDeadHeatNote;
    return row + "\n";
}

std::string meetingTable(const PayoutTables& t, const base::VotingTerms& terms, int slot) {
    const base::MeetingTerms& m = terms.meetings[slot];
    char line[256];
    std::snprintf(line, sizeof line, kHeading, ToFullWidth(m.year % 100, 2).c_str(), ToFullWidth(m.kai, 1).c_str(),
                  base::VenueName(m.venueCode), ToFullWidth(m.nichime, 1).c_str());
    std::string text = line;
    const std::int64_t noon = termsNoon(terms);
    std::snprintf(line, sizeof line, kHeadingDate, plat::formatTime(noon, kDate).c_str(),
                  kWeekdays[plat::localTime(noon).weekday]);
    text += line;
    text += rule('=');
    text += kColumns;
    text += rule('-');
    for (int race = 1; race <= base::kRacesPerDay; ++race)
        for (int j = 0; j < kRowsPerRace && rowHasEntries(t, slot, race, j); ++j) text += raceRow(t, slot, race, j);
    text += rule('-');
    text += kNote;
    text += rule('=') + "\n\n";
    return text;
}

}  // namespace

std::string PayoutReportPath(const base::CurrentBetFile& betFile, const base::VotingTerms& terms) {
    char name[32];
    std::snprintf(name, sizeof name, kFileName, terms.termsYear % 100, terms.termsMonth, terms.termsDay);
    std::string path = betFile.path;
    return base::ReplacePathPart(path, name) ? path : std::string();
}

std::string PayoutReportText(const PayoutTables& tables, const base::VotingTerms& terms) {
    std::string text;
    for (int slot = 0; slot < base::kMeetingSlots; ++slot)
        if (terms.meetings[slot].venueCode != 0) text += meetingTable(tables, terms, slot);
    return text + kClosingNote;
}

bool WritePayoutReport(const PayoutTables& tables, const base::VotingTerms& terms,
                       const base::CurrentBetFile& betFile, base::Notifier& notifier) {
    const std::string path = PayoutReportPath(betFile, terms);
    plat::TextFile file;
    if (path.empty() || !file.open(path, plat::TextFile::Mode::Write) ||
        !(file.write(PayoutReportText(tables, terms)) && file.close())) {
        notifier.text(base::kTextCannotWriteFile);
        return false;
    }
    return true;
}

}  // namespace clientdata
