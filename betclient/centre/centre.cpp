#include "betclient/centre/centre.h"

#include "betclient/centre/client_files.h"
#include "betclient/centre/day_text.h"
#include "betclient/centre/state_text.h"
#include "betclient/centre/text_io.h"
#include "platform/clock.h"

namespace centre {

Centre::Centre(Day day, std::string directory) : day_(std::move(day)), directory_(std::move(directory)) {
    beginDay(state_, day_);
}

Centre Centre::open(const std::string& directory, int year, int month, int dayOfMonth,
                    std::string& dayError, std::uint64_t seed) {
    dayError.clear();
    Day day;
    std::string text;
    if (!readText(directory + kDayFileName, text) || !parseDayText(text, day, dayError))
        day = generateDay(year, month, dayOfMonth, seed);
    Centre centre(std::move(day), directory);
    CentreState saved;
    if (readText(directory + kStateFileName, text) && parseStateText(text, saved)) {
        centre.state_ = saved;
        beginDay(centre.state_, centre.day_);
    }
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

bool Centre::saveState() const { return writeText(directory_ + kStateFileName, formatStateText(state_)); }

int clockHhmm() {
    plat::LocalTime t = plat::localTime(plat::now());
    return t.hour * 100 + t.minute;
}

}  // namespace centre
