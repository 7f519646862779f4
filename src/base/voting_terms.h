// The day's voting terms (投票要項) as read from the betting client's files,
// the account figures and the running day and period totals.
//
// One instance lives in the application object.  The bet checks read it on
// the window thread and on the BetRunner thread; it is written on the window
// thread only (and by a terms fetch started from a BetRunner run).
#pragma once

#include <array>
#include <cstdint>

namespace base {

constexpr int kMeetingSlots = 3;    // one per terms file: Uy-a, Uy-b, Uy-c
constexpr int kRaceBlocks = 14;     // race blocks per terms file (races 1..14)
constexpr int kRacesPerDay = 12;    // races that can be bet
constexpr int kMaxHorses = 18;
constexpr int kBrackets = 8;
constexpr int kBetsPerDay = 300;    // betsRemaining at the start of a terms date

// Sale codes as the bet checks use them.
constexpr int kHorseOnSale = 7;        // horseSaleCodes: the horse can be bet
constexpr int kBracketOnSale = 5;      // bracketSaleCodes: at least this
constexpr int kSameBracketOnSale = 7;  // sameBracketSaleCodes: n-n on sale
constexpr int kRaceQuinellaCode = 15;  // raceSaleCode: an unnamed pair is 馬連

struct RaceTerms {
    std::int8_t raceSaleCode = 0;     // 0 or less: not on sale
    std::uint8_t runnerCount = 0;     // non-zero entries of horseSaleCodes
    std::int16_t startTime = 0;       // hour * 100 + minute; 0 = unknown
    std::array<std::uint8_t, kMaxHorses> horseSaleCodes{};
    std::array<std::uint8_t, kBrackets> bracketSaleCodes{};
    std::array<std::uint8_t, kBrackets> sameBracketSaleCodes{};
};

struct MeetingTerms {
    std::int16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t venueCode = 0;  // 1..10 in Venue table order; 0 = slot unused
    std::uint8_t kai = 0;        // 回
    std::uint8_t nichime = 0;    // 日目
    std::array<RaceTerms, kRaceBlocks> races{};  // races[k] is race k + 1
};

struct VotingTerms {
    std::int32_t termsYear = 0, termsMonth = 0, termsDay = 0;  // termsDay 0: none loaded
    std::int32_t purchaseLimit = 0;
    std::int32_t accountBalance = 0;
    std::int32_t prevDayPurchase = 0;
    std::int32_t prevDayPayout = 0;
    std::int32_t totalsYear = 0, totalsMonth = 0, totalsDay = 0;
    std::int32_t todayPurchase = 0;
    std::int32_t todayPayout = 0;
    std::int32_t periodPurchase = 0;
    std::int32_t periodPayout = 0;
    std::int32_t availableAmount = 0;
    std::int32_t betsRemaining = 0;
    std::int32_t lastReceiptNo = 0;
    std::int16_t raceCardDate = 0;    // month * 100 + day of the race card; 0 = none
    std::int32_t termsChecked = 0;    // 1: bets are checked against the terms
    std::int32_t statusDirty = 0;     // 1: the status box should be redrawn
    std::array<MeetingTerms, kMeetingSlots> meetings{};

    // The first slot holding the venue, or -1.
    int slotOfVenue(int venueCode) const {
        if (venueCode == 0) return -1;
        for (int s = 0; s < kMeetingSlots; ++s)
            if (meetings[s].venueCode == venueCode) return s;
        return -1;
    }
    bool inForce() const { return termsChecked == 1; }
};

}  // namespace base
