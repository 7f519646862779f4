// The controls and boxes of a group's submission: the amount-confirmation
// form and the client's answers to a vote, as design positions scaled with
// the vote form's factors.
#pragma once

#include "driver/client_forms.h"

namespace driver {

// Amount confirmation: the total field is the first tab stop covering this
// point; then the two ways of sending the vote.
constexpr DesignPoint kConfirmTotalAt{387, 128};
constexpr FormControl kConfirmNormalVote{kAmountConfirmForm, {62, 202}, "通常投票"};
constexpr FormControl kConfirmForcedVote{kAmountConfirmForm, {160, 201}, "強制投票"};

// The total typed does not match the group.
constexpr FormControl kTotalWrongText{kClientInfoBox, {221, 62}, "合計金額が誤りです。"};

// The vote was accepted.
constexpr FormControl kVoteAcceptedOk{kClientInfoBox, {222, 88}, "OK"};
// Error 10001: accepted, but the result did not come back.
constexpr FormControl kError10001Text{kClientErrorBox, {340, 62}, "10001"};
constexpr FormControl kError10001Ok{kClientErrorBox, {308, 112}, "OK"};
// Error 11028: the total is to be typed again and the vote forced.
constexpr FormControl kError11028Text{kClientErrorBox, {343, 65}, "11028"};
constexpr FormControl kError11028Ok{kClientErrorBox, {312, 118}, "OK"};

}  // namespace driver
