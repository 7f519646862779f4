#include "support/client_files.h"

#include <cstdio>

#include "support/support.h"

namespace testsupport {

FixedLine termsLine(const TermsValues& s) {
    FixedLine line(600);
    line.number(0, 4, s.year).number(4, 2, s.month).number(6, 2, s.day);
    line.number(20, 6, s.purchaseLimit).number(26, 6, s.accountBalance);
    line.number(32, 8, s.prevDayPurchase).number(40, 8, s.prevDayPayout);
    line.number(58, 2, s.venueCode).number(64, 2, s.kai).number(66, 2, s.nichime);
    for (int k = 0; k < 14; ++k) {
        const int race = k + 1;
        line.number(69 + 2 * k, 2, race <= 12 ? 7 : 0);
        const int block = 97 + 34 * k;
        const int runners = 8 + race % 7;
        for (int j = 0; j < 18; ++j) line.number(block + j, 1, j < runners ? 7 : 0);
        for (int j = 0; j < 8; ++j) line.number(block + 18 + j, 1, 5).number(block + 26 + j, 1, 7);
    }
    return line;
}

FixedLine voteLogLine(int receiptNo, const std::vector<VoteEntry>& entries, int purchaseUnits,
                                   int betsRemaining, int availableUnits, int count) {
    FixedLine line(990);
    line.text(0, "202406151030").number(12, 4, receiptNo).text(16, "0000");
    line.number(20, 2, count >= 0 ? count : static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size() && i < 50; ++i) {
        const VoteEntry& e = entries[i];
        const std::size_t slot = 22 + 19 * i;
        line.text(slot, "0").number(slot + 1, 2, e.lineNo).number(slot + 3, 1, e.digit3);
        line.number(slot + 4, 2, e.venueCode).number(slot + 6, 2, e.race).number(slot + 8, 1, e.kind);
        line.number(slot + 9, 2, e.first).number(slot + 11, 2, e.second).number(slot + 13, 4, e.units);
        line.number(slot + 17, 1, e.status).number(slot + 18, 1, e.digit18);
    }
    line.number(972, 6, purchaseUnits).number(978, 3, betsRemaining).number(981, 9, availableUnits);
    return line;
}

FixedLine raceCardLine(int venueCode, int kai, int nichime, int race, int cardDate, int startTime) {
    return FixedLine(30).number(0, 2, venueCode).number(2, 2, 98).number(4, 1, kai).number(5, 1, nichime)
        .number(6, 2, race).number(8, 4, cardDate).number(13, 4, startTime).number(18, 2, 16);
}

FixedLine clientRaceCardLine(const std::string& venueName, int kai, int nichime, int race, int startTime) {
    char label[8];
    std::snprintf(label, sizeof label, "%2dR", race);
    return FixedLine(36).text(0, "19981205").text(8, venueName).text(12, label).number(16, 2, kai)
        .number(18, 2, nichime).number(20, 2, race).number(22, 4, startTime).number(27, 2, 16);
}

void writeTextFile(const std::string& path, const std::vector<std::string>& lines, std::int64_t mtime) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    testsupport::writeBytes(path, bytes);
    if (mtime != 0) testsupport::setMtime(path, mtime);
}

namespace {

struct PayoutLayout {
    std::size_t block, entry, firstWidth, secondAt, secondWidth, payoutAt;
};
constexpr PayoutLayout kPayoutLayouts[] = {
    {44, 10, 2, 0, 0, 3}, {64, 10, 2, 0, 0, 3}, {48, 12, 2, 3, 1, 5}, {56, 14, 3, 4, 2, 7}};
constexpr const char* kPayoutKindNames[] = {"単勝", "複勝", "枠連", "馬連"};

}  // namespace

PayoutLine::PayoutLine(int kind, const std::string& venueName, int kai, int nichime) : kind_(kind) {
    line_.text(0, "20240615").text(8, venueName).text(12, kPayoutKindNames[kind]);
    line_.number(16, 2, kai).number(18, 2, nichime);
    for (int race = 1; race <= 12; ++race) block(race, race, 0);
    line_.text(blockAt(13) - 1, " ");
}

std::size_t PayoutLine::blockAt(int race) const {
    return 20 + static_cast<std::size_t>(race - 1) * kPayoutLayouts[kind_].block;
}

PayoutLine& PayoutLine::block(int race, int raceNo, int flag) {
    line_.number(blockAt(race), 2, raceNo).number(blockAt(race) + 2, 1, flag);
    return *this;
}

PayoutLine& PayoutLine::entry(int race, int e, int first, int second, int payout) {
    const PayoutLayout& l = kPayoutLayouts[kind_];
    const std::size_t at = blockAt(race) + 4 + static_cast<std::size_t>(e) * l.entry;
    line_.number(at, l.firstWidth, first, ' ').number(at + l.payoutAt, 7, payout, ' ');
    if (l.secondWidth != 0) line_.text(at + l.secondAt - 1, "-").number(at + l.secondAt, l.secondWidth, second, ' ');
    return *this;
}

}  // namespace testsupport
