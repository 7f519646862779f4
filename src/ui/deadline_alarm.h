// The deadline alarm: a sound and a flashing caption "Shimekiri mae"
// minutes before each race's start time, between 9:00 and 17:00.
#pragma once

#include "ui/auto_mode.h"

namespace ui {

// Alarms are given for start times from 9:00 to 17:00.
constexpr int kFirstAlarmMinute = 900;
constexpr int kLastAlarmMinute = 1700;
// The caption is inverted and restored with this pause in between: five
// pauses, about 750 ms in all.
constexpr unsigned kFlashPauseMs = 150;
constexpr int kFlashPauses = 5;

// Compares the start times of every race of the three meeting slots with
// each minute from the alarm cursor up to "Shimekiri mae" minutes after the
// program clock, and sounds the alarm once for each minute in which a race
// starts.  The first check of the process starts at the current time, so
// each later one looks at one new minute.
void DeadlineAlarm(AutoMode& autoMode);

// The alarm itself: the wave file "Annai Wave File" when it has data, then
// the main window's caption flashed and returned to its earlier state.
void SoundDeadlineAlarm(const std::string& waveFile, plat::Hwnd window);

}  // namespace ui
