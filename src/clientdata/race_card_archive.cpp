#include "clientdata/race_card_archive.h"

#include "base/strings.h"
#include "platform/system.h"

namespace clientdata {

namespace {

constexpr const char* kExtractVerb = "e";

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string RaceCardExtractCommand(const std::string& archive, const std::string& directory) {
    return std::string(kExtractVerb) + " " + quoted(archive) + " " + quoted(directory) + " " + kRaceCardMember;
}

bool LhaLibraryReady(base::Notifier& notifier) {
    if (plat::lhaGetVersion() < kLhaMinimumVersion) notifier.text(base::kTextLhaTooOld);
    if (!plat::lhaGetRunning()) return true;
    notifier.text(base::kTextLhaBusy);
    return false;
}

bool ExtractRaceCard(plat::Hwnd owner, const std::string& archive, const std::string& directory,
                     base::Notifier& notifier) {
    std::string output;  // the library's report is not used
    if (plat::lhaCommand(owner, RaceCardExtractCommand(archive, directory), output) != 0) {
        notifier.text(base::kTextLhaFailed);
        return false;
    }
    return true;
}

}  // namespace clientdata
