#include "clientdata/terms_file.h"

#include <cstdint>

#include "clientdata/field_int.h"

namespace clientdata {

namespace {

constexpr Field kYear{0, 4};
constexpr Field kMonth{4, 2};
constexpr Field kDay{6, 2};
constexpr Field kPurchaseLimit{20, 6};
constexpr Field kAccountBalance{26, 6};
constexpr Field kPrevDayPurchase{32, 8};
constexpr Field kPrevDayPayout{40, 8};
constexpr Field kVenue{58, 2};
constexpr Field kKai{64, 2};
constexpr Field kNichime{66, 2};

// Race k + 1: its sale code at kRaceSaleColumn + 2k; its block of one-byte
// codes starts at kRaceBlockColumn + 34k (18 horses, 8 brackets, 8
// same-bracket pairs).
constexpr int kRaceSaleColumn = 69;
constexpr int kRaceSaleWidth = 2;
constexpr int kRaceBlockColumn = 97;
constexpr int kRaceBlockWidth = 34;
constexpr int kBracketOffset = 18;
constexpr int kSameBracketOffset = 26;
constexpr int kCodeWidth = 1;

}  // namespace

TermsHeader ParseTermsHeader(std::string_view line) {
    TermsHeader h;
    h.year = FieldInt(line, kYear);
    h.month = FieldInt(line, kMonth);
    h.day = FieldInt(line, kDay);
    h.purchaseLimit = FieldInt(line, kPurchaseLimit);
    h.accountBalance = FieldInt(line, kAccountBalance);
    h.prevDayPurchase = FieldInt(line, kPrevDayPurchase);
    h.prevDayPayout = FieldInt(line, kPrevDayPayout);
    return h;
}

void ParseMeeting(std::string_view line, const TermsHeader& header, base::MeetingTerms& slot) {
    slot.year = static_cast<std::int16_t>(header.year);
    slot.month = static_cast<std::uint8_t>(header.month);
    slot.day = static_cast<std::uint8_t>(header.day);
    slot.venueCode = static_cast<std::uint8_t>(FieldInt(line, kVenue));
    slot.kai = static_cast<std::uint8_t>(FieldInt(line, kKai));
    slot.nichime = static_cast<std::uint8_t>(FieldInt(line, kNichime));
    for (int k = 0; k < base::kRaceBlocks; ++k) {
        base::RaceTerms& race = slot.races[k];
        race.raceSaleCode =
            static_cast<std::int8_t>(FieldInt(line, kRaceSaleColumn + kRaceSaleWidth * k, kRaceSaleWidth));
        const int block = kRaceBlockColumn + kRaceBlockWidth * k;
        int runners = 0;
        for (int j = 0; j < base::kMaxHorses; ++j) {
            race.horseSaleCodes[j] = static_cast<std::uint8_t>(FieldInt(line, block + j, kCodeWidth));
            if (race.horseSaleCodes[j] != 0) ++runners;
        }
        race.runnerCount = static_cast<std::uint8_t>(runners);
        for (int j = 0; j < base::kBrackets; ++j) {
            race.bracketSaleCodes[j] =
                static_cast<std::uint8_t>(FieldInt(line, block + kBracketOffset + j, kCodeWidth));
            race.sameBracketSaleCodes[j] =
                static_cast<std::uint8_t>(FieldInt(line, block + kSameBracketOffset + j, kCodeWidth));
        }
    }
}

void TakeTermsHeader(base::VotingTerms& terms, const TermsHeader& header) {
    terms.termsYear = header.year;
    terms.termsMonth = header.month;
    terms.termsDay = header.day;
    terms.purchaseLimit = header.purchaseLimit;
    terms.availableAmount = header.purchaseLimit;
    terms.accountBalance = header.accountBalance;
    terms.prevDayPurchase = header.prevDayPurchase;
    terms.prevDayPayout = header.prevDayPayout;

    const bool sameDate = terms.termsYear == terms.totalsYear && terms.termsMonth == terms.totalsMonth &&
                          terms.termsDay == terms.totalsDay;
    if (!sameDate) {
        // The running totals belong to one date: a new date starts them afresh
        // (the last receipt number is kept).
        terms.todayPurchase = 0;
        terms.todayPayout = 0;
        terms.totalsYear = terms.termsYear;
        terms.totalsMonth = terms.termsMonth;
        terms.totalsDay = terms.termsDay;
        terms.periodPayout = terms.prevDayPayout;
        terms.periodPurchase = terms.prevDayPurchase;
        terms.betsRemaining = base::kBetsPerDay;
    }
}

}  // namespace clientdata
