// LZH archives for the tests: written here byte by byte with the stored
// method, or packed by the system's archiver program ("lha", installed by
// test.sh) as a user's archive would be.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct LzhMember {
    std::string name;  // may hold a directory, separated by '\'
    std::string data;
    bool badCrc = false;
};

// An archive of stored ("-lh0-", uncompressed) members with level-0 headers.
std::string storedLzhArchive(const std::vector<LzhMember>& members);

// True when the archiver program is on the PATH.
bool haveLzhPacker();
// Packs the files (paths relative to directory, which may hold blanks and
// sub-directories) into the archive `archive` in directory, compressed with
// level-2 headers.  False when the archiver failed.
bool packLzh(const std::string& directory, const std::string& archive, const std::vector<std::string>& files);

}  // namespace testsupport
