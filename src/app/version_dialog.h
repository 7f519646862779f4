// The about box "ﾊﾞｰｼﾞｮﾝ情報 Ornel": the program's version and the account
// figures of the day's voting terms.
#pragma once

#include "base/voting_terms.h"
#include "platform/dialog.h"

namespace app {

constexpr const char* kVersionCaption = "ﾊﾞｰｼﾞｮﾝ情報 Ornel";

constexpr int kIdVersionBalance = 1025;          // 口座残高
constexpr int kIdVersionPurchaseLimit = 1026;    // 購入限度額
constexpr int kIdVersionPrevDayPayout = 1027;    // 前日払戻額
constexpr int kIdVersionPrevDayPurchase = 1028;  // 前日購入額

plat::DialogTemplate VersionTemplate();

// Shows the about box with the four figures until OK.
void ShowVersion(plat::Hwnd owner, const base::VotingTerms& terms);

}  // namespace app
