// Bet files that were loaded but could be neither renamed nor removed.
//
// Such a file still looks pending (its name still matches the day's
// "*.BET" or "*.TGP"), so without a memory of it the next pick-up would load
// and place the same bets again.  A file is known by its full path (letters
// compared without case, as the file system does), its size and its
// last-write time: a file written anew under the same name is a new file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace betdata {

class UnmovableBetFiles {
public:
    // Remembers the file as it is now; false when it does not exist.
    bool remember(const std::string& path);
    // True when the file at path is one remembered, unchanged.
    bool contains(const std::string& path) const;

private:
    struct Entry {
        std::string upperPath;
        std::uint64_t size = 0;
        std::int64_t lastWrite = 0;
    };
    std::vector<Entry> entries_;
};

}  // namespace betdata
