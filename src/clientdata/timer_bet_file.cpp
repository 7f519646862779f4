#include "clientdata/timer_bet_file.h"

#include <cstdio>
#include <cstring>

#include "base/bet_kind.h"
#include "base/bet_line.h"
#include "base/bet_line_read_back.h"
#include "base/strings.h"
#include "clientdata/timer_bet_dialog.h"
#include "platform/dialog.h"

namespace clientdata {

namespace {

constexpr const char* kFileNameFormat = "T%X%02d%02d%02d.BET";
// Each bet-list line is read into a buffer of this size.
constexpr std::size_t kListLineBytes = 256;
// Every bet carries these odds.
constexpr double kPlaceholderOdds = 1.0;
// The venue heading (venue, year, month, day) and the bet lines (race, kind
// name, numbers, odds, amount in yen), as the venue-header import reads them.
constexpr char kHeadingFormat[] = "\n%4s %2d年 %2d月 %2d日\n\n";
constexpr char kWinFormat[] = " %2dR %4s %2d %6.1f %8d\n";
constexpr char kPlaceFormat[] = " %2dR %4s %2d %6.1f %6.1f %8d\n";
constexpr char kPairFormat[] = " %2dR %4s %02d-%02d %6.1f %8d\n";

bool writeHeading(plat::TextFile& file, const char* venue, const TimerBetMoment& m) {
    return file.print(kHeadingFormat, venue, m.year, m.month, m.day);
}

bool writeBet(plat::TextFile& file, const base::ReadBackBet& bet) {
    const char* kind = base::KindName(bet.kind);
    switch (bet.kind) {
    case base::kKindTansho:
        return file.print(kWinFormat, bet.race, kind, bet.first, kPlaceholderOdds, bet.amountYen);
    case base::kKindFukusho:
        return file.print(kPlaceFormat, bet.race, kind, bet.first, kPlaceholderOdds, kPlaceholderOdds,
                          bet.amountYen);
    default:
        return file.print(kPairFormat, bet.race, kind, bet.first, bet.second, kPlaceholderOdds, bet.amountYen);
    }
}

}  // namespace

std::string TimerBetFileName(int month, int day, int hour, int minute) {
    char name[32];
    std::snprintf(name, sizeof name, kFileNameFormat, static_cast<unsigned>(month), day, hour, minute);
    return name;
}

bool WriteTimerBetLines(plat::TextFile& file, base::BetListText& list, int lineCount, const TimerBetMoment& moment) {
    char previousVenue[base::kReadBackWordBytes] = {};
    bool written = true;
    for (int i = 0; i < lineCount; ++i) {
        char line[kListLineBytes];
        list.readLine(i, line, sizeof line);
        char venue[base::kReadBackWordBytes] = {};
        char kindName[base::kReadBackWordBytes] = {};
        if (!base::ReadBackNames(line, venue, kindName)) continue;
        if (std::strcmp(venue, previousVenue) != 0) {
            std::memcpy(previousVenue, venue, sizeof venue);
            written = writeHeading(file, venue, moment) && written;
        }
        base::ReadBackBet bet;
        if (base::ReadBackLine(line, bet)) written = writeBet(file, bet) && written;
    }
    return written;
}

std::string WriteTimerBetFile(const TimerBetOutput& o) {
    // The list ends with an empty line after its last bet.
    const int lines = o.list.lineCount() - 1;
    if (lines <= 0) return {};
    TimerBetMoment moment = ProposedTimerBetMoment(o.now, o.headerMonth, o.headerDay);
    if (!ChooseTimerBetMoment(o.owner, moment)) return {};

    plat::WaitCursor wait;
    std::string path = o.betFile.path;
    plat::TextFile file;
    const bool named =
        base::ReplacePathPart(path, TimerBetFileName(moment.month, moment.day, moment.hour, moment.minute).c_str());
    if (!named || !file.open(path, plat::TextFile::Mode::Write)) {
        o.notifier.text(base::kTextCannotWriteFile);
        return {};
    }
    const bool written = WriteTimerBetLines(file, o.list, lines, moment);
    // Closing flushes the last lines, so it can fail too.
    if (!file.close() || !written) {
        // A partly written file would place only some of the bets.
        plat::removeFile(path);
        o.notifier.text(base::kTextCannotWriteFile);
        return {};
    }
    return path;
}

}  // namespace clientdata
