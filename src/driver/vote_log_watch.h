// What the centre made of a vote: the client writes a vote log "Lg-NN.JRA"
// for every vote it sends, with each entry's acceptance status.  A watch
// taken before the vote tells the logs the vote wrote from the older ones.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "clientdata/vote_log_record.h"

namespace driver {

class VoteLogWatch {
public:
    // Lists the vote logs next to the client's executable.
    explicit VoteLogWatch(std::string clientPath);

    // The records of the vote logs written since the watch was taken (new
    // files, or files rewritten since).
    std::vector<clientdata::VoteLogRecord> newRecords() const;

private:
    using Stamp = std::pair<std::int64_t, std::uint64_t>;  // last write, size
    std::map<std::string, Stamp> listLogs() const;

    std::string clientPath_;
    std::map<std::string, Stamp> before_;
};

}  // namespace driver
