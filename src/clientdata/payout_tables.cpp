#include "clientdata/payout_tables.h"

#include <cstdio>
#include <string_view>

#include "base/path_helpers.h"
#include "base/venue.h"
#include "clientdata/field_int.h"
#include "platform/files.h"

namespace clientdata {

namespace {

// Only the first line of a payout file is read, up to 1023 bytes.
constexpr std::size_t kLineBuffer = 1024;
constexpr const char* kFileName = "%s-%d%d%d%d.Jra";

// The line's header: the meeting it was written for.
constexpr Field kVenueName{8, 4};
constexpr Field kKai{16, 2};
constexpr Field kNichime{18, 2};
// Twelve race blocks follow; within a block:
constexpr std::size_t kBlocksAt = 20;
constexpr Field kRaceNo{0, 2};
constexpr Field kResultFlag{2, 1};
constexpr std::size_t kEntriesAt = 4;

struct KindLayout {
    const char* prefix;
    std::size_t blockWidth;
    std::size_t entryWidth;
    Field first;   // within an entry
    Field second;  // width 0: the kind has one number
    Field payout;
};
// Indexed by PayoutKind.
constexpr std::array<KindLayout, kPayoutKinds> kLayouts = {{
    {"Th", 44, 10, {0, 2}, {0, 0}, {3, 7}},
    {"Fh", 64, 10, {0, 2}, {0, 0}, {3, 7}},
    {"Wh", 48, 12, {0, 2}, {3, 1}, {5, 7}},
    {"Uh", 56, 14, {0, 3}, {4, 2}, {7, 7}},
}};

const KindLayout& layoutOf(PayoutKind kind) { return kLayouts[static_cast<int>(kind)]; }

bool headerMatches(std::string_view line, const base::MeetingTerms& meeting) {
    const std::string_view name = base::VenueName(meeting.venueCode);
    return line.size() >= kVenueName.column + kVenueName.width &&
           line.substr(kVenueName.column, kVenueName.width) == name && FieldInt(line, kKai) == meeting.kai &&
           FieldInt(line, kNichime) == meeting.nichime;
}

void readRaces(std::string_view line, PayoutKind kind, PayoutTables& tables, int slot) {
    const KindLayout& layout = layoutOf(kind);
    for (int race = 1; race <= base::kRacesPerDay; ++race) {
        const std::size_t block = kBlocksAt + static_cast<std::size_t>(race - 1) * layout.blockWidth;
        if (FieldInt(line, kRaceNo, block) != race || FieldInt(line, kResultFlag, block) == 0) continue;
        std::size_t at = block + kEntriesAt;
        for (PayoutEntry& entry : tables.race(kind, slot, race)) {
            entry.first = FieldInt(line, layout.first, at);
            if (layout.second.width != 0) entry.second = FieldInt(line, layout.second, at);
            entry.payout = FieldInt(line, layout.payout, at);
            at += layout.entryWidth;
        }
    }
}

}  // namespace

bool PayoutTables::deadHeat(int slot, int race) const {
    for (PayoutKind kind : kAllPayoutKinds)
        if (!this->race(kind, slot, race)[DeadHeatEntry(kind)].empty()) return true;
    return false;
}

std::string PayoutFileName(PayoutKind kind, const base::MeetingTerms& m) {
    char name[48];
    std::snprintf(name, sizeof name, kFileName, layoutOf(kind).prefix, m.venueCode, m.year % 10, m.kai, m.nichime);
    return name;
}

void ReadPayoutFiles(PayoutTables& tables, const base::VotingTerms& terms, const std::string& clientExePath) {
    tables.clear();
    for (PayoutKind kind : kAllPayoutKinds) {
        for (int slot = 0; slot < base::kMeetingSlots; ++slot) {
            const base::MeetingTerms& meeting = terms.meetings[slot];
            if (meeting.venueCode == 0) continue;
            std::string path = clientExePath;
            if (!base::ReplacePathPart(path, PayoutFileName(kind, meeting).c_str())) continue;
            plat::TextFile file;
            std::string line;
            if (!file.open(path, plat::TextFile::Mode::Read) || !file.getLine(line, kLineBuffer)) continue;
            if (headerMatches(line, meeting)) readRaces(line, kind, tables, slot);
        }
    }
}

}  // namespace clientdata
