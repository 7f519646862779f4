// The steps of entering a bet on the client's vote form: day, racecourse,
// race, kind and method selections, clicks into the number grid and the
// amount on the keypad.
//
// Every step remembers in EntryMemory what it set, so a selection that is
// already in place is not made again.  Selecting a day forgets the race;
// a racecourse forgets race and kind; a race forgets the kind; a kind
// forgets the method.  Positions
// are design positions of the vote form, scaled with the factors in force.
// The steps tell the user nothing: the caller reports a failure.
#pragma once

#include <cstdint>
#include <string>

#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

// Forgets everything but the day (at the start of each bet group).
inline void ResetEntryMemory(DriverState& driver) { driver.entry.reset(); }

// Day index 0 当日, 1 前日.
bool SelectDay(DriverState& driver, int index);
// Racecourse by its 4-byte name.
bool SelectVenue(DriverState& driver, const std::string& name);
// Race 1..12.
bool SelectRace(DriverState& driver, int race);
// Kind index 0 単勝, 1 複勝, 2 枠連, 3 馬連; true once 総流し is enabled
// for a pair kind and disabled for a single one.
bool SelectKind(DriverState& driver, int index);
// 通常 for a pair kind (総流し first, then 通常).
bool SelectMethod(DriverState& driver);

// The number grid: the first child of the number frame whose window
// rectangle, taken relative to the vote form's, holds the frame's point.
plat::Hwnd FindNumberGrid(const DriverState& driver);

// Horse n (1..18) in the two-row grid.
bool ClickNumberCell(const DriverState& driver, int n);
// Bracket n (1..8, or cell 9 that pairs the chosen bracket with itself) in
// the one-row grid; answers the client's 同枠取消 box when one comes.
bool ClickBracketCell(DriverState& driver, int n);
constexpr int kSameBracketCell = 9;

// The amount in yen, typed on the keypad in units of 100 yen.  Nothing is
// pressed when the amount is the one entered last; "Ｃ" only after a reset.
bool EnterAmount(DriverState& driver, int yen);

// Answers the 同枠取消 box: up to six presses of its OK, each followed by
// pauseMs, until its text has gone.  Notes the cancellation for the group's
// submission (sameBracketSeen).
bool AnswerSameBracketBox(DriverState& driver, std::uint32_t pauseMs);

}  // namespace driver
