#include "betclient/centre/centre.h"

#include "betclient/centre/client_files.h"
#include "betclient/centre/day_text.h"
#include "betclient/centre/state_text.h"
#include "betclient/centre/text_io.h"
#include "platform/clock.h"

namespace centre {

namespace {

// Names of an earlier day's files, kept when the centre moves on.
constexpr const char* kEarlierDayStem = "day";
constexpr const char* kEarlierStateStem = "centre-state";

int dateNumber(int year, int month, int day) { return year * 10000 + month * 100 + day; }

// The day after `earlier` on a later date: generated with its seed, with the
// same account.
Day followingDay(const Day& earlier, int year, int month, int dayOfMonth) {
    Day day = generateDay(year, month, dayOfMonth, earlier.seed.value_or(kDefaultSeed));
    day.account = earlier.account;
    return day;
}

// "<stem>-YYYYMMDD.txt" in the directory, or with "-2", "-3", ... before
// ".txt" when that name is taken: a kept file is never written over.
std::string keptFileName(const std::string& directory, const char* stem, int year, int month, int day) {
    const std::string base = directory + stem + "-" + std::to_string(dateNumber(year, month, day));
    std::string name = base + ".txt";
    for (int n = 2; fileExists(name); ++n) name = base + "-" + std::to_string(n) + ".txt";
    return name;
}

}  // namespace

Centre::Centre(Day day, std::string directory) : day_(std::move(day)), directory_(std::move(directory)) {
    beginDay(state_, day_);
}

std::optional<Centre> Centre::open(const std::string& directory, int year, int month, int dayOfMonth,
                                   std::string& error, std::uint64_t seed) {
    error.clear();
    Day day;
    std::string text;
    std::optional<EarlierDay> earlierDay;
    if (readText(directory + kDayFileName, text) && parseDayText(text, day, error)) {
        if (dateNumber(day.year, day.month, day.day) < dateNumber(year, month, dayOfMonth)) {
            earlierDay = EarlierDay{text, day.year, day.month, day.day};
            day = followingDay(day, year, month, dayOfMonth);
        }
    } else {
        day = generateDay(year, month, dayOfMonth, seed);
    }
    Centre centre(std::move(day), directory);
    centre.earlierDay_ = std::move(earlierDay);

    const std::string statePath = directory + kStateFileName;
    if (!fileExists(statePath)) return centre;
    CentreState saved;
    std::string stateError;
    if (!readText(statePath, text)) {
        error = std::string(kStateFileName) + ": cannot be read";
        return std::nullopt;
    }
    if (!parseStateText(text, saved, stateError)) {
        error = std::string(kStateFileName) + ", " + stateError;
        return std::nullopt;
    }
    centre.state_ = saved;
    beginDay(centre.state_, centre.day_);
    if (!(centre.state_ == saved)) centre.earlierState_ = std::move(saved);
    return centre;
}

bool Centre::checkLogin(std::string_view userId, std::string_view password) const {
    return userId == day_.account.userId && password == day_.account.password;
}

Submission Centre::submit(const std::vector<Bet>& bets, int now) {
    Submission s;
    s.record = vote(day_, state_, bets, now);
    if (s.record) {
        bool logged = writeVoteLog(directory_, day_, *s.record);
        s.saved = saveState() && logged;
    }
    return s;
}

bool Centre::writeTerms(int now) const { return writeTermsFiles(directory_, day_, now); }

bool Centre::writePayouts(int venue, int now) const {
    const Meeting* m = day_.meetingAt(venue);
    return m && writePayoutFiles(directory_, day_, *m, now);
}

bool Centre::writeRaceCards(int venue) const {
    const Meeting* m = day_.meetingAt(venue);
    return m && writeRaceCardFiles(directory_, day_, *m);
}

bool Centre::saveState() {
    return keepEarlierDay() && replaceText(directory_ + kStateFileName, formatStateText(state_));
}

bool Centre::keepEarlierDay() {
    if (earlierState_) {
        const CentreState& st = *earlierState_;
        if (!replaceText(keptFileName(directory_, kEarlierStateStem, st.year, st.month, st.day), formatStateText(st)))
            return false;
        earlierState_.reset();
    }
    if (earlierDay_) {
        const EarlierDay& d = *earlierDay_;
        if (!replaceText(keptFileName(directory_, kEarlierDayStem, d.year, d.month, d.day), d.text) ||
            !replaceText(directory_ + kDayFileName, formatDayText(day_)))
            return false;
        earlierDay_.reset();
    }
    return true;
}

int clockHhmm() {
    plat::LocalTime t = plat::localTime(plat::now());
    return t.hour * 100 + t.minute;
}

}  // namespace centre
