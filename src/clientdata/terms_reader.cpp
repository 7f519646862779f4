#include "clientdata/terms_reader.h"

#include <array>

#include "base/next_bet_file.h"
#include "base/strings.h"
#include "clientdata/start_times.h"
#include "clientdata/terms_file.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace clientdata {

namespace {

constexpr std::array<const char*, base::kMeetingSlots> kTermsFiles = {"Uy-a.Jra", "Uy-b.Jra", "Uy-c.Jra"};
constexpr std::size_t kTermsLineBuffer = 1024;  // only the first line is read
constexpr int kSalesEndHour = 17;

std::string besideExecutable(const std::string& clientExePath, const char* name) {
    std::string path = clientExePath;
    if (!base::ReplacePathPart(path, name)) return {};
    return path;
}

bool sameDate(int year, int month, int day, const plat::LocalTime& t) {
    return year == t.year && month == t.month && day == t.day;
}

}  // namespace

bool ReadTermsFile(TermsContext& context, const std::string& path, int slot) {
    plat::TextFile file;
    if (path.empty() || !file.open(path, plat::TextFile::Mode::Read)) return false;
    std::string line;
    if (!file.getLine(line, kTermsLineBuffer)) return true;  // empty: found, nothing changes

    base::VotingTerms& terms = context.terms;
    const TermsHeader header = ParseTermsHeader(line);
    TakeTermsHeader(terms, header);
    base::NextBetFilePath(context.betFile, context.betFileSetting,
                             base::BetFileDate{terms.termsYear % 100, terms.termsMonth, terms.termsDay});
    ParseMeeting(line, header, terms.meetings[slot]);
    LookUpStartTimes(terms, slot, context.raceCardSetting);
    terms.statusDirty = 1;
    return true;
}

void LoadVotingTerms(TermsContext& context, const std::string& clientExePath, const ShowMessage& show) {
    bool anyFound = false;
    for (int slot = 0; slot < base::kMeetingSlots; ++slot)
        anyFound |= ReadTermsFile(context, besideExecutable(clientExePath, kTermsFiles[slot]), slot);
    if (!anyFound && show) show(base::kTextTermsFilesMissing);
}

bool TermsFileIsToday(const base::VotingTerms& terms, const std::string& clientExePath, std::int64_t clock) {
    const plat::LocalTime today = plat::localTime(clock);
    if (sameDate(terms.termsYear, terms.termsMonth, terms.termsDay, today)) return true;
    plat::TextFile file;
    const std::string path = besideExecutable(clientExePath, kTermsFiles[0]);
    if (path.empty() || !file.open(path, plat::TextFile::Mode::Read)) return false;
    std::string line;
    if (!file.getLine(line, kTermsLineBuffer)) return false;
    const TermsHeader header = ParseTermsHeader(line);
    return sameDate(header.year, header.month, header.day, today);
}

bool AreTermsCurrent(const base::VotingTerms& terms, std::int64_t now) {
    const plat::LocalTime t = plat::localTime(now);
    return sameDate(terms.termsYear, terms.termsMonth, terms.termsDay, t) && t.hour < kSalesEndHour;
}

}  // namespace clientdata
