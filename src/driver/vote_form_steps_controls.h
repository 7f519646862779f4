// The controls of the client's vote form and vote-result form that bet
// entry operates, as design positions of the vote form (638 x 430).
#pragma once

#include <array>

#include "driver/client_forms.h"

namespace driver {

// The three framed drop-down lists (the list is the frame's first child).
constexpr FormControl kVoteVenueFrame{kVoteForm, {92, 71}, "場名"};
constexpr FormControl kVoteDayFrame{kVoteForm, {92, 138}, "当日/前日"};
constexpr FormControl kVoteRaceFrame{kVoteForm, {92, 199}, "ﾚｰｽ番号"};

// Items of the day list, by day index (0 当日, 1 前日).
constexpr std::array<const char*, 2> kVoteDayItems = {"当日", "前日"};
// Items of the race list, by race - 1: two blanks before a single digit.
constexpr std::array<const char*, 12> kVoteRaceItems = {"  １", "  ２", "  ３", "  ４", "  ５", "  ６",
                                                        "  ７", "  ８", "  ９", "１０", "１１", "１２"};

// Kind options, by kind index (0 単勝, 1 複勝, 2 枠連, 3 馬連).
constexpr std::array<FormControl, 4> kVoteKindOptions = {{
    {kVoteForm, {57, 259}, "単勝"},
    {kVoteForm, {57, 281}, "複勝"},
    {kVoteForm, {57, 306}, "枠連"},
    {kVoteForm, {57, 331}, "馬連"},
}};
constexpr int kKindIndexTansho = 0;
constexpr int kKindIndexFukusho = 1;
constexpr int kKindIndexWakuren = 2;
constexpr int kKindIndexUmaren = 3;

// Method options: enabled only for the pair kinds.
constexpr FormControl kVoteWheelOption{kVoteForm, {227, 151}, "総流し"};
constexpr FormControl kVoteNormalOption{kVoteForm, {163, 151}, "通常"};

// The frame of the number grid; the grid is the child covering the point.
constexpr FormControl kVoteNumberFrame{kVoteForm, {292, 90}, "馬番／枠番"};

// Keypad for the amount in units of 100 yen, by digit, and its clear key.
constexpr std::array<FormControl, 10> kVoteDigitKeys = {{
    {kVoteForm, {493, 152}, "０"},
    {kVoteForm, {493, 126}, "１"},
    {kVoteForm, {538, 126}, "２"},
    {kVoteForm, {583, 126}, "３"},
    {kVoteForm, {493, 100}, "４"},
    {kVoteForm, {538, 100}, "５"},
    {kVoteForm, {583, 100}, "６"},
    {kVoteForm, {493, 73}, "７"},
    {kVoteForm, {538, 73}, "８"},
    {kVoteForm, {583, 73}, "９"},
}};
constexpr FormControl kVoteClearKey{kVoteForm, {561, 152}, "Ｃ"};

// Adds the bet to the client's pending list (a full-width blank).
constexpr FormControl kVoteConfirmBet{kVoteForm, {537, 263}, "Ｏ　Ｋ"};
// Submits the pending list (two blanks).
constexpr FormControl kVoteSubmit{kVoteForm, {161, 394}, "投  票"};

// The vote-result form left after a vote.
constexpr FormControl kVoteResultClose{kVoteResultForm, {48, 445}, "閉じる"};

// The client's box announcing cancelled same-bracket pairs, and its OK.
constexpr FormControl kSameBracketText{kClientInfoBox, {139, 56}, "同枠取消があります。"};
constexpr FormControl kSameBracketOk{kClientInfoBox, {111, 104}, "OK"};

}  // namespace driver
