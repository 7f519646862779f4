#include "betdata/bet_grammar.h"

#include <string_view>
#include <vector>

#include "base/strings.h"
#include "base/bet_kind.h"
#include "betdata/bet_list_render.h"
#include "base/venue.h"

namespace betdata {

namespace {

using base::RaceTerms;
using base::VotingTerms;

constexpr std::string_view kDelimiters = " ,\t\n";
constexpr char kKindUnset = '?';
constexpr int kMaxHorse = base::kMaxHorses;   // numbers 1..18 are horses or brackets
constexpr int kMaxBracket = base::kBrackets;  // 枠連 numbers are 1..8
constexpr int kFirstAmount = 100;  // 100 or more (or 0) is an amount in yen; 19..99 mean nothing
// Digit runs are read up to this value; anything larger is certainly an
// amount above the field's limit, so it need not be exact.
constexpr int kDigitRunCap = 1'000'000'000;
// The longest line a list holds (the list edit's own limit is far below).
constexpr std::size_t kLongestLine = 0xFFFF;

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
unsigned char upper(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

// Reads the run of digits at text[at], advancing at past it.
int readDigits(std::string_view text, std::size_t& at) {
    int value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        value = value >= kDigitRunCap / 10 ? kDigitRunCap : value * 10 + (text[at] - '0');
    return value;
}

// The terms of a race of a meeting slot, or nullptr outside the record.
const RaceTerms* raceTerms(const VotingTerms& terms, int slot, int race) {
    if (slot < 0 || slot >= base::kMeetingSlots) return nullptr;
    if (race < 1 || race > base::kRaceBlocks) return nullptr;
    return &terms.meetings[slot].races[race - 1];
}

bool validSlot(int slot) { return slot >= 0 && slot < base::kMeetingSlots; }
bool validRace(int race) { return race >= 1 && race <= base::kRacesPerDay; }

// Horses, brackets and the three markers of a line's number part.  One
// buffer serves every line of a parse, so a long line allocates once.
class NumberBuffer {
public:
    static constexpr int kDash = -1;
    static constexpr int kComma = -2;
    static constexpr int kAll = -3;  // 'A': every horse or bracket

    void clear() { items_.clear(); }
    void push(int item) { items_.push_back(item); }
    std::size_t size() const { return items_.size(); }
    int operator[](std::size_t i) const { return items_[i]; }
    static bool isNumber(int item) { return item > 0; }
    bool hasDash() const {
        for (int item : items_)
            if (item == kDash) return true;
        return false;
    }
    bool startsWithMarker() const { return !items_.empty() && !isNumber(items_[0]); }

private:
    std::vector<int> items_;
};

// The parse state that carries over from one line to the next.
struct ParseState {
    int venue = 0;
    int race = 0;
    int slot = kNoMeetingSlot;
    char kind = kKindUnset;
};

class LineParser {
public:
    LineParser(BetListContext& ctx, ParseState& state, NumberBuffer& numbers)
        : ctx_(ctx), s_(state), numbers_(numbers) {}

    void parse(std::string_view line) {
        numbers_.clear();
        std::size_t numberPart = examineTokens(line);
        if (numberPart == std::string_view::npos) return;
        if (!validSlot(s_.slot) || !validRace(s_.race)) return;
        scanNumberPart(line.substr(numberPart));
        settleKind();
        addBets();
    }

private:
    bool termsInForce() const { return ctx_.terms.inForce(); }

    // Step through the tokens; returns where the number part starts, or npos
    // when the line is refused.
    std::size_t examineTokens(std::string_view line) {
        std::size_t at = 0;
        while (true) {
            std::size_t start = line.find_first_not_of(kDelimiters, at);
            if (start == std::string_view::npos) return std::string_view::npos;
            std::size_t end = line.find_first_of(kDelimiters, start);
            if (end == std::string_view::npos) end = line.size();
            std::string_view token = line.substr(start, end - start);
            at = end;

            auto first = static_cast<unsigned char>(token[0]);
            if (isDigit(first)) {
                if (token.find('R') != std::string_view::npos) {
                    if (!takeRace(token)) return std::string_view::npos;
                } else if (token.find(':') == std::string_view::npos) {
                    return start;  // the number part
                }
                continue;  // a race, or a line number
            }
            if (int venue = base::VenueFromToken(token)) {
                takeVenue(venue);
                continue;
            }
            char kind = 0;
            if (base::FindKindToken(token, kind)) {
                s_.kind = kind;
                continue;
            }
            if (!isLetter(first)) {
                ctx_.notifier.message(base::kMsgBadVenueOrKind);
                return std::string_view::npos;
            }
            if (base::isBetKind(static_cast<char>(upper(first)))) {
                if (token.size() == 1) {
                    s_.kind = token[0];
                } else if (isDigit(token[1])) {
                    s_.kind = token[0];
                    return start + 1;
                }
            }
        }
    }

    // A race token; false when the line is refused.
    bool takeRace(std::string_view token) {
        std::size_t at = 0;
        s_.race = readDigits(token, at);
        if (!termsInForce()) return true;
        if (!validSlot(s_.slot)) return false;
        // A race the terms hold no record of (beyond race 14) is not on sale either.
        const RaceTerms* race = raceTerms(ctx_.terms, s_.slot, s_.race);
        if (!race || race->raceSaleCode <= 0) ctx_.notifier.message(base::kMsgRaceNotOnSale);
        return true;
    }

    void takeVenue(int venue) {
        s_.venue = venue;
        if (!termsInForce()) {
            s_.slot = 0;
            return;
        }
        s_.slot = ctx_.terms.slotOfVenue(venue);
        if (s_.slot < 0) {
            ctx_.notifier.message(base::kMsgVenueNotHeld);
            s_.slot = kNoMeetingSlot;
        }
    }

    // Byte by byte, without regard to character boundaries.
    void scanNumberPart(std::string_view part) {
        amount_ = 1;
        std::size_t at = 0;
        while (at < part.size()) {
            char c = part[at];
            if (isDigit(c)) {
                int n = readDigits(part, at);
                if (n >= 1 && n <= kMaxHorse) {
                    numbers_.push(n);
                } else if (n == 0 || n >= kFirstAmount) {
                    amount_ = n / base::kYenPerUnit;
                    return;
                }
                continue;
            }
            if (base::isBetKind(c)) s_.kind = c;
            else if (c == '-') numbers_.push(NumberBuffer::kDash);
            else if (c == ',') numbers_.push(NumberBuffer::kComma);
            else if (c == 'A') numbers_.push(NumberBuffer::kAll);
            ++at;
        }
    }

    // The kind the shape of the numbers asks for, and the kind in force.
    void settleKind() {
        char shape = base::kKindTansho;
        if (numbers_.hasDash()) {
            shape = base::kKindUmaren;
            if (termsInForce()) {
                const RaceTerms* race = raceTerms(ctx_.terms, s_.slot, s_.race);
                shape = race && race->raceSaleCode == base::kRaceQuinellaCode ? base::kKindUmaren
                                                                                    : base::kKindWakuren;
            }
        }
        if (s_.kind == kKindUnset) s_.kind = shape;
        else if (shape == base::kKindTansho && base::isPairKind(s_.kind)) s_.kind = base::kKindTansho;
        else if (base::isPairKind(shape) && base::isSingleKind(s_.kind)) s_.kind = shape;
    }

    void addBets() {
        // An amount that does not fit the amount field must not wrap into a
        // different stake: the line's bets are refused (they vanish from
        // the list at the render, like any refused line).
        if (amount_ > base::kMaxAmountUnits) return;
        if (base::isSingleKind(s_.kind)) {
            for (std::size_t i = 0; i < numbers_.size(); ++i)
                if (NumberBuffer::isNumber(numbers_[i])) add(numbers_[i], 0);
        } else if (base::isPairKind(s_.kind)) {
            addPairs();
        }
    }

    void addPairs() {
        const std::size_t n = numbers_.size();
        const bool anchored = n > 0 && !numbers_.startsWithMarker();
        for (std::size_t i = 0; i + 1 < n; ++i) {
            int marker = numbers_[i];
            int next = numbers_[i + 1];
            if (marker == NumberBuffer::kDash && next == NumberBuffer::kAll) {
                if (anchored)
                    for (int k = 1; k <= allLimit(); ++k) add(numbers_[0], k);
            } else if (marker == NumberBuffer::kDash && NumberBuffer::isNumber(next)) {
                for (std::size_t j = i; j-- > 0;)
                    if (NumberBuffer::isNumber(numbers_[j])) add(next, numbers_[j]);
            } else if (marker == NumberBuffer::kComma && NumberBuffer::isNumber(next)) {
                if (anchored) add(numbers_[0], next);
            }
        }
    }

    // How far '-A' reaches: the race's runners (馬連 with terms in force),
    // 18 horses, or the 8 brackets.
    int allLimit() const {
        if (s_.kind == base::kKindWakuren) return kMaxBracket;
        if (termsInForce()) {
            const RaceTerms* race = raceTerms(ctx_.terms, s_.slot, s_.race);
            int runners = race ? race->runnerCount : 0;
            return runners < kMaxHorse ? runners : kMaxHorse;
        }
        return kMaxHorse;
    }

    void add(int first, int second) {
        base::BetLine bet;
        bet.venue = static_cast<std::uint8_t>(s_.venue);
        bet.race = static_cast<std::uint8_t>(s_.race);
        bet.kind = s_.kind;
        bet.first = static_cast<std::uint8_t>(first);
        bet.second = static_cast<std::uint8_t>(second);
        bet.amount = static_cast<std::int16_t>(amount_);
        AddBet(ctx_, s_.slot, bet);
    }

    BetListContext& ctx_;
    ParseState& s_;
    NumberBuffer& numbers_;
    int amount_ = 1;
};

// The terms checks of one bet; true when it may be bet.
bool passesTerms(const VotingTerms& terms, int slot, const base::BetLine& bet) {
    const RaceTerms* race = raceTerms(terms, slot, bet.race);
    if (!race) return false;
    auto horseOnSale = [&](int horse) {
        return horse >= 1 && horse <= kMaxHorse &&
               race->horseSaleCodes[horse - 1] == base::kHorseOnSale;
    };
    switch (bet.kind) {
    case base::kKindTansho:
    case base::kKindFukusho: return horseOnSale(bet.first);
    case base::kKindUmaren: return bet.first != bet.second && horseOnSale(bet.first) && horseOnSale(bet.second);
    case base::kKindWakuren:
        if (bet.first == bet.second)
            return race->sameBracketSaleCodes[bet.first - 1] == base::kSameBracketOnSale;
        return race->bracketSaleCodes[bet.first - 1] >= base::kBracketOnSale &&
               race->bracketSaleCodes[bet.second - 1] >= base::kBracketOnSale;
    default: return false;
    }
}

bool validBrackets(const base::BetLine& bet) {
    return bet.first >= 1 && bet.first <= kMaxBracket && bet.second >= 1 && bet.second <= kMaxBracket;
}

}  // namespace

int AddBet(BetListContext& ctx, int meetingSlot, base::BetLine bet) {
    // Brackets run from 1 to 8: a 枠連 bet on any other number does not
    // exist, whether or not the terms are checked.
    if (bet.kind == base::kKindWakuren && !validBrackets(bet)) return -1;
    if (ctx.terms.inForce() && !passesTerms(ctx.terms, meetingSlot, bet)) return -1;
    if (base::isSingleKind(bet.kind)) bet.second = 0;
    else if (bet.second < bet.first) std::swap(bet.first, bet.second);

    BetTable& table = ctx.state.table;
    if (table.full()) {
        ctx.notifier.message(base::kMsgTooManyBets);
        return -1;
    }
    table.entries[table.count++] = bet;
    return 0;
}

bool ParseBetList(BetListContext& ctx, bool skipTermsCheck, PostStep postStep) {
    if (!skipTermsCheck && ctx.connector &&
        ctx.connector->connectClient(base::kConnectTermsOnly) == -1)
        return false;

    BetTable& table = ctx.state.table;
    table.clear();
    ParseState state;
    NumberBuffer numbers;
    const int lines = ctx.list.lineCount();
    // Lines are read whole: one cut short could lose its amount, or have
    // it read as a horse number ("1000" cut to "10").
    std::vector<char> buffer(kLongestLine + 1);
    for (int i = 0; i < lines; ++i) {
        std::size_t length = ctx.list.readLine(i, buffer.data(), buffer.size());
        LineParser(ctx, state, numbers).parse(std::string_view(buffer.data(), length));
        if (table.full()) break;
    }
    if (postStep) postStep(table);
    RenderBetList(ctx);
    return true;
}

}  // namespace betdata
