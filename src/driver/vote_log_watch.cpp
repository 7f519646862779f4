#include "driver/vote_log_watch.h"

#include "base/path_helpers.h"
#include "platform/files.h"

namespace driver {

namespace {

constexpr const char* kVoteLogPattern = "Lg-??.jra";
// The record line is read up to 2559 bytes, as the vote-log reader does.
constexpr std::size_t kRecordBuffer = 2560;

}  // namespace

VoteLogWatch::VoteLogWatch(std::string clientPath) : clientPath_(std::move(clientPath)), before_(listLogs()) {}

std::map<std::string, VoteLogWatch::Stamp> VoteLogWatch::listLogs() const {
    std::map<std::string, Stamp> logs;
    std::string pattern = clientPath_;
    if (!base::ReplacePathPart(pattern, kVoteLogPattern)) return logs;
    for (const plat::FileInfo& f : plat::findFiles(pattern)) {
        if (!f.isDirectory) logs[f.name] = {f.lastWrite, f.size};
    }
    return logs;
}

std::vector<clientdata::VoteLogRecord> VoteLogWatch::newRecords() const {
    std::vector<clientdata::VoteLogRecord> records;
    for (const auto& [name, stamp] : listLogs()) {
        const auto old = before_.find(name);
        if (old != before_.end() && old->second == stamp) continue;
        std::string path = clientPath_;
        plat::TextFile file;
        std::string line;
        if (!base::ReplacePathPart(path, name.c_str()) || !file.open(path, plat::TextFile::Mode::Read) ||
            !file.getLine(line, kRecordBuffer))
            continue;
        records.push_back(clientdata::ParseVoteLogRecord(line));
    }
    return records;
}

}  // namespace driver
