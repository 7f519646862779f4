#include "ui/deadline_alarm.h"

#include <cstdint>

#include "platform/clock.h"
#include "platform/system.h"
#include "platform/window.h"
#include "ui/local_minute.h"

namespace ui {

namespace {

constexpr int kRacesChecked = 12;

bool raceStartsAt(const base::VotingTerms& terms, int minute) {
    for (const base::MeetingTerms& meeting : terms.meetings)
        for (int race = 0; race < kRacesChecked; ++race)
            if (meeting.races[race].startTime == minute) return true;
    return false;
}

}  // namespace

void SoundDeadlineAlarm(const std::string& waveFile, plat::Hwnd window) {
    if (!waveFile.empty() && base::FileHasData(waveFile))
        plat::playSound(waveFile, plat::SND_ASYNC | plat::SND_NODEFAULT);
    const bool wasActive = plat::flashWindow(window, true);
    bool inverted = true;
    for (int pause = 1; pause < kFlashPauses; ++pause) {
        plat::sleep(kFlashPauseMs);
        inverted = !inverted;
        plat::flashWindow(window, inverted);
    }
    plat::sleep(kFlashPauseMs);
    // Inverting an active caption, or restoring an inactive one, returns it
    // to the state it had before the alarm.
    plat::flashWindow(window, wasActive);
}

void DeadlineAlarm(AutoMode& a) {
    base::AutoModeState& s = a.run.autoState;
    if (!s.alarmCursorSet) {
        s.alarmCursor = plat::now();
        s.alarmCursorSet = true;
    }
    const std::int64_t ahead = a.run.programClock.load() + a.settings.shimekiriMae * kMinuteSeconds;
    const auto last = static_cast<std::int16_t>(LocalMinute(ahead));
    if (last < kFirstAlarmMinute || last > kLastAlarmMinute) {
        s.alarmCursor = ahead;
        return;
    }
    for (;;) {
        const int minute = LocalMinute(s.alarmCursor);
        if (minute > last) return;
        // One alarm per minute, however many races start in it.
        if (raceStartsAt(a.terms, minute)) SoundDeadlineAlarm(a.settings.annaiWaveFile, a.window);
        s.alarmCursor += kMinuteSeconds;
    }
}

}  // namespace ui
