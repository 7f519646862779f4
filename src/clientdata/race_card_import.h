// The command 発走時刻の読込: start times from a race-card file the user
// picks: JRA#DEN1.DAT, an LHA archive (.LZH) holding it, or a TARGET .DEN
// file.
#pragma once

#include <cstdint>
#include <functional>

#include "base/notifier.h"
#include "base/voting_terms.h"
#include "platform/wintypes.h"

namespace clientdata {

constexpr const char* kRaceCardFilter =
    "出馬表 Files (Jra#Den1.dat)|JRA#DEN1.DAT|LZH Files (*.lzh)|*.LZH|ﾀｰｹﾞｯﾄ出馬表 Files (*.den)|*.DEN|"
    "All Files (*.*)|*.*||";
constexpr const char* kRaceCardDefaultExtension = "DAT";

struct RaceCardImport {
    base::VotingTerms& terms;
    base::Notifier& notifier;
    plat::Hwnd owner;     // the main window: owns the dialog and the extraction
    std::int64_t clock;   // the program clock
    // Brings the bet list up to date (as Enter does) and makes sure the
    // client runs with today's terms; false stops the import.
    std::function<bool()> prepare;
    // Redraws the status box.
    std::function<void()> showStatus;
};

// Asks for the file and takes its start times into the terms.  An archive
// is unpacked into the program's directory first; the unpacked copy is
// removed again afterwards unless the terms there are today's.  A card with
// no line for the day's meetings is reported with its month and day.
void ImportRaceCardFile(const RaceCardImport& import);

}  // namespace clientdata
