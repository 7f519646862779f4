#include "clientdata/vote_log.h"

#include <cstdio>
#include <cstring>

#include "base/strings.h"
#include "clientdata/current_info.h"
#include "clientdata/vote_log_echo.h"
#include "clientdata/yen_math.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace clientdata {

namespace {

constexpr const char* kVoteLogPattern = "Lg-??.jra";
constexpr const char* kVoteLogName = "Lg-%02d.JRA";
constexpr const char* kVoteLogExtension = ".JRA";
constexpr std::size_t kNumberBytes = 2;       // NN in front of ".JRA"
constexpr int kVoteLogCycle = 100;
constexpr std::size_t kRecordBuffer = 2560;   // the record line is read up to 2559 bytes
constexpr const char* kCaptionFigures = " %5d / %3d #%04d";

std::string voteLogName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, kVoteLogName, number);
    return name;
}

bool sameLocalDate(std::int64_t a, std::int64_t b) {
    const plat::LocalTime x = plat::localTime(a), y = plat::localTime(b);
    return x.year == y.year && x.month == y.month && x.day == y.day;
}

}  // namespace

std::optional<int> NextVoteLogNumber(const std::string& path) {
    // Only the file name is searched, so a directory named "*.JRA" cannot
    // mislead it.
    std::size_t sep = sjis::lastSeparator(path);
    std::string_view name = std::string_view(path).substr(sep == std::string::npos ? 0 : sep + 1);
    std::size_t at = sjis::find(name, kVoteLogExtension, 0, true);
    if (at == std::string_view::npos) return std::nullopt;
    int number = at >= kNumberBytes ? base::NumberAt(name.substr(at - kNumberBytes), kNumberBytes) : 0;
    return ((number + 1) % kVoteLogCycle + kVoteLogCycle) % kVoteLogCycle;
}

std::string CaptionWithFigures(const std::string& caption, int availableYen, int betsRemaining, int receiptNo) {
    std::string result = caption;
    std::size_t at = sjis::find(result, base::kProgramCaption, 0, true);
    if (at != std::string::npos) {
        std::size_t keep = at + std::strlen(base::kProgramCaption) + 1;  // the name and the character after it
        if (keep < result.size()) result.resize(keep);
    }
    char figures[64];
    std::snprintf(figures, sizeof figures, kCaptionFigures, availableYen, betsRemaining, receiptNo);
    return result + figures;
}

void CountVote(base::VotingTerms& t, const VoteLogRecord& record) {
    t.betsRemaining = record.betsRemaining;
    t.availableAmount = UnitsToYen(record.availableUnits);
    t.todayPurchase = AddYen(t.todayPurchase, UnitsToYen(record.purchaseUnits));
    t.todayPayout = AddYen(SubtractYen(t.availableAmount, t.purchaseLimit), t.todayPurchase);
    t.periodPayout = AddYen(t.todayPayout, t.prevDayPayout);
    t.periodPurchase = AddYen(t.todayPurchase, t.prevDayPurchase);
}

int LoadVoteLog(VoteLogContext& context, std::string& path, std::int64_t clock) {
    base::VotingTerms& terms = context.terms;
    plat::FileInfo info;
    if (!plat::fileStatus(path, info) || info.lastWrite <= context.state.lastLogTime) return 0;

    plat::TextFile betLog, voteLog;
    const std::string betLogPath = base::BetLogPath(context.betFile, clock);
    if (betLogPath.empty() || !betLog.open(betLogPath, plat::TextFile::Mode::Append)) return 0;
    if (!voteLog.open(path, plat::TextFile::Mode::Read)) return 0;

    betLog.write(VoteLogEchoHeader(clock));
    context.state.lastLogTime = info.lastWrite;
    std::string line;
    if (!voteLog.getLine(line, kRecordBuffer)) return 0;

    const VoteLogRecord record = ParseVoteLogRecord(line);
    if (record.receiptNo != terms.lastReceiptNo) {
        if (record.receiptNo >= 1) {
            CountVote(terms, record);
            context.host.setMainCaption(CaptionWithFigures(context.host.mainCaption(), terms.availableAmount,
                                                           terms.betsRemaining, record.receiptNo));
            if (terms.termsDay != 0) {
                terms.lastReceiptNo = record.receiptNo;
                context.host.storeCurrentInfo(SaveCurrentInfo(terms));
            }
        }
        betLog.write(VoteLogAvailableLine(record));
        for (const VoteLogEntry& entry : record.entries) betLog.write(VoteLogEntryLine(entry));
    }

    if (std::optional<int> next = NextVoteLogNumber(path)) base::ReplacePathPart(path, voteLogName(*next).c_str());
    return UnitsToYen(record.purchaseUnits);
}

void RefreshVoteLog(VoteLogContext& context, std::int64_t clock) {
    std::string newest = context.clientExePath;
    int next = 0;
    if (base::ReplacePathPart(newest, kVoteLogPattern) && base::NewestMatch(newest)) {
        plat::FileInfo info;
        if (context.state.nextLogPath.empty() && plat::fileStatus(newest, info) &&
            sameLocalDate(info.lastWrite, clock)) {
            std::string path = newest;  // LoadVoteLog advances its copy
            LoadVoteLog(context, path, clock);
            context.host.showBetStatus();
        }
        next = NextVoteLogNumber(newest).value_or(0);
    }
    std::string nextPath = context.clientExePath;
    if (base::ReplacePathPart(nextPath, voteLogName(next).c_str())) context.state.nextLogPath = nextPath;
    context.state.lastLogTime = plat::now();
}

}  // namespace clientdata
