#include "frontends/simhome/prediction_program.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "betclient/centre/rng.h"
#include "betclient/centre/sale_codes.h"
#include "betclient/centre/venues.h"
#include "clientdata/start_times.h"
#include "clientdata/timer_bet_file.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace simhome {

namespace {

// Minutes of the day in which files are written, and those timer-bet files
// are meant for.
constexpr int kFirstWriteMinute = 9 * 60 + 5;
constexpr int kLastWriteMinute = 15 * 60 + 30;
constexpr int kFirstTimerMinute = 9 * 60 + 30;
constexpr int kLastTimerMinute = 15 * 60 + 30;
// A timer-bet file is written this many minutes before its minute.
constexpr int kTimerLeadMin = 10;
constexpr int kTimerLeadMax = 60;
constexpr int kMinBets = 2;
constexpr int kMaxBets = 4;
constexpr int kMaxUnits = 8;  // 100 yen each
constexpr int kYenPerUnit = 100;
// Draws per bet before a file settles for fewer bets.
constexpr int kDrawAttempts = 20;

struct RaceRef {
    int venue = 0;
    int race = 0;
    const centre::Race* race_ = nullptr;
};

std::vector<RaceRef> racesFrom(const centre::Day& day, int firstStartMinute) {
    std::vector<RaceRef> races;
    for (const centre::Meeting& meeting : day.meetings)
        for (int r = 1; r <= centre::kRacesPerMeeting; ++r) {
            const centre::Race& race = meeting.races[r - 1];
            if (race.saleCode > 0 && centre::toMinutes(race.startTime) >= firstStartMinute)
                races.push_back({meeting.venue, r, &race});
        }
    return races;
}

int drawHorse(const centre::Race& race, centre::Rng& rng) {
    std::vector<int> horses;
    for (int h = 1; h <= centre::kMaxHorses; ++h)
        if (race.horseOnSale(h)) horses.push_back(h);
    return horses.empty() ? 0 : horses[static_cast<std::size_t>(rng.range(0, static_cast<int>(horses.size()) - 1))];
}

int drawBracket(const centre::Race& race, centre::Rng& rng) {
    std::vector<int> brackets;
    for (int b = 1; b <= centre::kBrackets; ++b)
        if (race.bracketCodes[b - 1] >= centre::kBracketSaleMinimum) brackets.push_back(b);
    return brackets.empty() ? 0
                            : brackets[static_cast<std::size_t>(rng.range(0, static_cast<int>(brackets.size()) - 1))];
}

// A bet of a kind the race sells, on numbers on sale; none when the draw
// found no such numbers.
std::optional<centre::Bet> drawBet(const RaceRef& ref, centre::Rng& rng) {
    const centre::Race& race = *ref.race_;
    std::vector<centre::Kind> kinds;
    for (const centre::Kind k : centre::kAllKinds)
        if (race.sells(k)) kinds.push_back(k);
    if (kinds.empty()) return std::nullopt;
    centre::Bet bet;
    bet.venue = ref.venue;
    bet.race = ref.race;
    bet.kind = kinds[static_cast<std::size_t>(rng.range(0, static_cast<int>(kinds.size()) - 1))];
    bet.units = rng.range(1, kMaxUnits);
    if (bet.kind == centre::Kind::Bracket) {
        bet.first = drawBracket(race, rng);
        bet.second = drawBracket(race, rng);
    } else {
        bet.first = drawHorse(race, rng);
        if (centre::isPairKind(bet.kind)) bet.second = drawHorse(race, rng);
    }
    if (bet.first == 0 || (centre::isPairKind(bet.kind) && (bet.second == 0 || bet.second == bet.first)))
        return std::nullopt;
    if (bet.second != 0 && bet.second < bet.first) std::swap(bet.first, bet.second);
    return bet;
}

// Two to four bets on races starting kSaleMarginMinutes or more after
// placeMinute, together at most kFileYenLimit yen.
void drawBets(PlannedBetFile& file, const centre::Day& day, int placeMinute, centre::Rng& rng) {
    const std::vector<RaceRef> races = racesFrom(day, placeMinute + kSaleMarginMinutes);
    if (races.empty()) return;
    const int wanted = rng.range(kMinBets, kMaxBets);
    int yen = 0;
    for (int attempt = 0; attempt < wanted * kDrawAttempts && static_cast<int>(file.bets.size()) < wanted;
         ++attempt) {
        const RaceRef& ref = races[static_cast<std::size_t>(rng.range(0, static_cast<int>(races.size()) - 1))];
        const std::optional<centre::Bet> bet = drawBet(ref, rng);
        if (!bet || yen + bet->units * kYenPerUnit > kFileYenLimit) continue;
        yen += bet->units * kYenPerUnit;
        file.bets.push_back(*bet);
        file.text += BetName(*bet) + "\r\n";
    }
}

std::int64_t atMinute(const plat::LocalTime& day, int minute) {
    plat::LocalTime t = day;
    t.hour = minute / 60;
    t.minute = minute % 60;
    t.second = 0;
    return plat::fromLocalTime(t);
}

// Writes text (CR LF line ends) as a Windows text file does.
void writeFile(const std::string& path, const std::string& text) {
    plat::TextFile out;
    if (!out.open(path, plat::TextFile::Mode::Write)) return;
    std::string lines;
    for (const char c : text)
        if (c != '\r') lines += c;
    out.write(lines);
    out.close();
}

}  // namespace

std::string BetName(const centre::Bet& bet) {
    char name[64];
    const std::string venue(centre::venueName(bet.venue));
    const std::string kind(centre::kindName(bet.kind));
    if (centre::isPairKind(bet.kind))
        std::snprintf(name, sizeof name, "%s %dR %s %02d-%02d %d", venue.c_str(), bet.race, kind.c_str(), bet.first,
                      bet.second, bet.units * kYenPerUnit);
    else
        std::snprintf(name, sizeof name, "%s %dR %s %02d %d", venue.c_str(), bet.race, kind.c_str(), bet.first,
                      bet.units * kYenPerUnit);
    return name;
}

std::vector<PlannedBetFile> PlanPredictions(const centre::Day& day, const PredictionOptions& options) {
    centre::Rng rng(options.seed ^ 0x5EED'BE75ull);
    const plat::LocalTime date = plat::localTime(options.dayStart);
    std::vector<PlannedBetFile> files;

    std::vector<int> timerMinutes;
    while (static_cast<int>(timerMinutes.size()) < options.timerFiles &&
           timerMinutes.size() < static_cast<std::size_t>(kLastTimerMinute - kFirstTimerMinute)) {
        const int minute = rng.range(kFirstTimerMinute, kLastTimerMinute);
        if (std::find(timerMinutes.begin(), timerMinutes.end(), minute) == timerMinutes.end())
            timerMinutes.push_back(minute);
    }
    for (const int minute : timerMinutes) {
        PlannedBetFile file;
        file.timerBet = true;
        file.dueAt = atMinute(date, minute);
        file.writeAt = std::max(options.dayStart, file.dueAt - rng.range(kTimerLeadMin, kTimerLeadMax) * 60);
        file.name = clientdata::TimerBetFileName(date.month, date.day, minute / 60, minute % 60);
        drawBets(file, day, minute, rng);
        files.push_back(std::move(file));
    }
    for (int i = 0; i < options.betFiles; ++i) {
        PlannedBetFile file;
        const int minute = rng.range(kFirstWriteMinute, kLastWriteMinute);
        file.writeAt = std::max(options.dayStart, atMinute(date, minute) + rng.range(0, 59));
        drawBets(file, day, minute, rng);
        files.push_back(std::move(file));
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const PlannedBetFile& a, const PlannedBetFile& b) { return a.writeAt < b.writeAt; });
    // Bet files are numbered in the order they are written.
    int number = 0;
    for (PlannedBetFile& file : files) {
        if (file.timerBet) continue;
        char name[32];
        std::snprintf(name, sizeof name, "%02d%02d%02d%02d.BET", date.year % 100, date.month, date.day, ++number);
        file.name = name;
    }
    return files;
}

std::string StartTimeFileName(const centre::Day& day) {
    return clientdata::AllVenuesStartTimeFile(day.year, day.month, day.day);
}

std::string StartTimeFileText(const centre::Day& day) {
    std::string text;
    for (const centre::Meeting& meeting : day.meetings)
        for (int r = 1; r <= centre::kRacesPerMeeting; ++r) {
            char line[32];
            std::snprintf(line, sizeof line, "%02d  %1d%1d%02d%02d%02d %04d\r\n", meeting.venue, meeting.kai % 10,
                          meeting.nichime % 10, r, day.month, day.day, meeting.races[r - 1].startTime);
            text += line;
        }
    return text;
}

void StartPredictionProgram(sim::Desktop& desktop, const centre::Day& day, const std::string& raceCardDir,
                            const std::string& betDir, std::vector<PlannedBetFile> files) {
    PlannedBetFile startTimes;
    startTimes.name = StartTimeFileName(day);
    startTimes.text = StartTimeFileText(day);
    desktop.startProgram(kPredictionProgram, betDir + "Predictor.exe",
                         [raceCardDir, betDir, startTimes, files = std::move(files)] {
                             writeFile(raceCardDir + startTimes.name, startTimes.text);
                             for (const PlannedBetFile& file : files) {
                                 const std::int64_t wait = file.writeAt - plat::now();
                                 if (wait > 0) plat::sleep(static_cast<std::uint32_t>(wait * 1000));
                                 writeFile(betDir + file.name, file.text);
                             }
                         });
}

}  // namespace simhome
