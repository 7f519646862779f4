// The dialog "タイマー投票予約": the voting date and time (年, 月, 日, 時, 分)
// a timer-bet file is written for.
#pragma once

#include "clientdata/timer_bet_moment.h"
#include "platform/wintypes.h"

namespace clientdata {

constexpr const char* kTimerBetDialogCaption = "タイマー投票予約";

// Control ids of the five fields.
constexpr int kIdTimerBetYear = 1201;
constexpr int kIdTimerBetMonth = 1202;
constexpr int kIdTimerBetDay = 1203;
constexpr int kIdTimerBetHour = 1204;
constexpr int kIdTimerBetMinute = 1205;

// Shows the dialog filled with moment.  OK checks the ranges (日 1..31,
// 時 9..16, 分 0..59, 年 0..9999, 月 1..12, in that order; the first field out
// of range is reported and the dialog stays open) and gives true with the
// values confirmed; ｷｬﾝｾﾙ gives false.
bool ChooseTimerBetMoment(plat::Hwnd owner, TimerBetMoment& moment);

}  // namespace clientdata
