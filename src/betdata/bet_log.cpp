#include "betdata/bet_log.h"

#include "platform/clock.h"

namespace betdata {

namespace {

constexpr const char* kLoadHeader = "\nLOAD BET FILE %y/%m/%d %H:%M:%S\n";
constexpr const char* kPasteHeader = "\nPASTE BET DATA %y/%m/%d %H:%M:%S\n";
constexpr std::size_t kPasteLineBytes = 2047;

}  // namespace

bool BetLogEntry::open(const base::CurrentBetFile& betFile, std::int64_t clock) {
    const std::string path = base::BetLogPath(betFile, clock);
    return !path.empty() && file_.open(path, plat::TextFile::Mode::Append);
}

void BetLogEntry::writeHeader(Kind kind, std::int64_t clock) {
    file_.write(plat::formatTime(clock, kind == Kind::Load ? kLoadHeader : kPasteHeader));
}

void WritePasteEntry(const base::CurrentBetFile& betFile, std::int64_t clock,
                     std::span<const std::string> stagedLines) {
    BetLogEntry log;
    if (!log.open(betFile, clock)) return;
    log.writeHeader(BetLogEntry::Kind::Paste, clock);
    if (!stagedLines.empty() && stagedLines.back().empty())
        stagedLines = stagedLines.first(stagedLines.size() - 1);
    for (const std::string& staged : stagedLines) {
        std::string line = staged.substr(0, kPasteLineBytes);
        if (const std::size_t cr = line.find('\r'); cr != std::string::npos) line.resize(cr);
        if (line.find('\n') == std::string::npos) line += '\n';
        log.write(line);
    }
    log.close();
}

}  // namespace betdata
