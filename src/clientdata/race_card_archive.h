// Unpacking the race-card data file JRA#DEN1.DAT from an LHA archive (.LZH)
// with the LHA library: its version, whether it is busy, then the extract
// command.
#pragma once

#include <string>

#include "base/notifier.h"
#include "platform/wintypes.h"

namespace clientdata {

// The member every race-card archive is unpacked for.
constexpr const char* kRaceCardMember = "JRA#DEN1.DAT";

// Library versions below this one are warned about (the import goes on).
constexpr unsigned kLhaMinimumVersion = 72;

// The extract command line: archive and directory (ending in a separator)
// in double quotes, so paths with blanks stay whole, then the member.
std::string RaceCardExtractCommand(const std::string& archive, const std::string& directory);

// Whether the library can be used now: an old version is warned about and
// still used; a library busy for another program is reported and gives false.
bool LhaLibraryReady(base::Notifier& notifier);

// Extracts JRA#DEN1.DAT from archive into directory; a failure is reported
// and gives false.  owner is the window that owns the library's boxes.
bool ExtractRaceCard(plat::Hwnd owner, const std::string& archive, const std::string& directory,
                     base::Notifier& notifier);

}  // namespace clientdata
