// The timer-bet file: the bet list written as a bet file for a chosen voting
// date and time ("T%X%02d%02d%02d.BET" in the bet-file directory), in the
// venue-header format the bet import reads, every bet with odds 1.0.
// AutoMode loads it at the minute its name carries.
#pragma once

#include <cstdint>
#include <string>

#include "base/bet_list_text.h"
#include "base/notifier.h"
#include "base/path_helpers.h"
#include "clientdata/timer_bet_moment.h"
#include "platform/files.h"
#include "platform/wintypes.h"

namespace clientdata {

// "TA250940.BET" for 25 October 09:40: the month as one upper-case
// hexadecimal digit, then day, hour and minute.
std::string TimerBetFileName(int month, int day, int hour, int minute);

// Writes the bet list's first lineCount lines: a venue heading with the
// moment's date whenever the venue changes, then one line per bet that
// reads back whole.  False when a write failed.
bool WriteTimerBetLines(plat::TextFile& file, base::BetListText& list, int lineCount, const TimerBetMoment& moment);

struct TimerBetOutput {
    base::BetListText& list;
    int headerMonth = 0;  // of the last bet import's header; day 0: none
    int headerDay = 0;
    const base::CurrentBetFile& betFile;  // the file goes into its directory
    base::Notifier& notifier;
    plat::Hwnd owner;                      // the main window
    std::int64_t now = 0;                  // local date and time
};

// タイマー投票ファイル出力: with bets in the list, asks for the voting date
// and time (proposed by ProposedTimerBetMoment) and writes the file, an
// existing one replaced.  Returns the path written; empty when the list is
// empty, the dialog was cancelled, or the file could not be written (the
// user has been told; nothing half-written is left).  The list is never
// changed.
std::string WriteTimerBetFile(const TimerBetOutput& output);

}  // namespace clientdata
