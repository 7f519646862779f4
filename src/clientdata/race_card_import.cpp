#include "clientdata/race_card_import.h"

#include <cstdio>

#include "base/path_helpers.h"
#include "base/strings.h"
#include "clientdata/race_card_archive.h"
#include "clientdata/race_card_start_times.h"
#include "clientdata/terms_reader.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace clientdata {

namespace {

// Chosen paths are compared upper-cased.
constexpr const char* kArchiveMark = ".LZH";
constexpr const char* kTargetCardMark = ".DEN";
constexpr int kCardDateDivisor = 100;  // month * 100 + day

bool contains(const std::string& upperPath, const char* mark) {
    return sjis::find(upperPath, mark, 0, true) != std::string::npos;
}

// The extracted copy is kept only while the terms there are today's.
void removeStaleCopy(const RaceCardImport& import, const std::string& extracted) {
    plat::FileInfo info;
    if (!TermsFileIsToday(import.terms, extracted, import.clock) && plat::fileStatus(extracted, info))
        plat::removeFile(extracted);
}

void reportWrongDay(base::Notifier& notifier, int cardDate) {
    char text[256];
    std::snprintf(text, sizeof text, base::kFormatRaceCardWrongDay, cardDate / kCardDateDivisor,
                  cardDate % kCardDateDivisor);
    notifier.text(text);
}

}  // namespace

void ImportRaceCardFile(const RaceCardImport& import) {
    if (import.prepare && !import.prepare()) return;

    plat::OpenFileRequest request;
    request.filter = kRaceCardFilter;
    request.defaultExtension = kRaceCardDefaultExtension;
    request.hideReadOnly = true;
    if (!plat::openFileDialog(import.owner, request)) return;
    std::string path = request.chosenPath;
    base::UpperCase(path);

    const std::string extracted = plat::programDirectory() + kRaceCardMember;
    const bool fromArchive = contains(path, kArchiveMark);
    if (fromArchive) {
        if (!LhaLibraryReady(import.notifier)) return;
        removeStaleCopy(import, extracted);
        if (!ExtractRaceCard(import.owner, path, plat::programDirectory(), import.notifier)) return;
        path = extracted;
    }
    if (!contains(path, kTargetCardMark) && !contains(path, kRaceCardMember)) return;

    plat::TextFile file;
    if (!file.open(path, plat::TextFile::Mode::Read)) {
        import.notifier.text(base::kTextRaceCardMissing);
        return;
    }
    int cardDate = 0;
    if (TakeRaceCardStartTimes(import.terms, file, cardDate)) {
        if (import.showStatus) import.showStatus();
    } else {
        reportWrongDay(import.notifier, cardDate);
    }
    file.close();
    if (fromArchive) removeStaleCopy(import, extracted);
}

}  // namespace clientdata
