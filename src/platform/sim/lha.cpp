// LHA archives, in the three calls the race-card import makes: version,
// busy and an extract command line.  Archives are read with liblhasa.
#include <lha_reader.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/sim/path_resolve.h"
#include "platform/sim/text_match.h"
#include "platform/sjis.h"
#include "platform/system.h"

namespace plat {

namespace {

// The version this extractor reports, in hundredths (1.00): the race-card
// import warns about versions below 0.72.
constexpr unsigned kLhaVersion = 100;

// Results of lhaCommand.
constexpr int kLhaOk = 0;
constexpr int kLhaBadCommand = 1;    // not "e ARCHIVE DIR MEMBER"
constexpr int kLhaNoArchive = 2;     // missing or not an LHA archive
constexpr int kLhaNoDirectory = 3;   // the extraction directory does not exist
constexpr int kLhaNoMember = 4;      // the archive holds no such member
constexpr int kLhaExtractFailed = 5; // damaged data or the file could not be written

constexpr const char* kPartialSuffix = ".part~";

// Blank-separated tokens; a token may be put in double quotes to hold blanks.
std::vector<std::string> tokens(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::size_t end;
        if (line[i] == '"') {
            end = line.find('"', i + 1);
            if (end == std::string::npos) end = line.size();
            out.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        end = line.find_first_of(" \t", i);
        if (end == std::string::npos) end = line.size();
        out.push_back(line.substr(i, end - i));
        i = end;
    }
    return out;
}

bool isDirectory(const std::string& host) {
    struct stat st;
    return stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Extracts the archive's member `member` (its name compared ASCII
// case-insensitively, whatever directory it is stored under) into
// `directory`.  The data goes to a temporary file first, so a damaged
// archive never destroys an earlier copy.
int extractMember(LHAReader* reader, const std::string& directory, const std::string& member,
                  std::string& output) {
    while (LHAFileHeader* header = lha_reader_next_file(reader)) {
        if (!header->filename || std::strcmp(header->compress_method, LHA_COMPRESS_TYPE_DIR) == 0 ||
            !sim::equalsIgnoreCase(header->filename, member)) {
            continue;
        }
        const std::string target = sim::resolveCase(directory + header->filename);
        std::string partial = target + kPartialSuffix;
        if (!lha_reader_extract(reader, partial.data(), nullptr, nullptr) ||
            std::rename(partial.c_str(), target.c_str()) != 0) {
            std::remove(partial.c_str());
            output = "extraction failed: " + member;
            return kLhaExtractFailed;
        }
        output = "extracted: " + member;
        return kLhaOk;
    }
    output = "not in the archive: " + member;
    return kLhaNoMember;
}

}  // namespace

unsigned lhaGetVersion() { return kLhaVersion; }

bool lhaGetRunning() { return false; }

int lhaCommand(Hwnd, const std::string& commandLine, std::string& output) {
    const std::vector<std::string> args = tokens(commandLine);
    if (args.size() != 4 || (args[0] != "e" && args[0] != "E")) {
        output = "usage: e ARCHIVE DIR MEMBER";
        return kLhaBadCommand;
    }
    std::string archive, directory;
    if (!sim::resolvePath(args[1], archive)) {
        output = "archive not found";
        return kLhaNoArchive;
    }
    if (!sim::resolvePath(args[2], directory) || !isDirectory(directory)) {
        output = "directory not found";
        return kLhaNoDirectory;
    }
    if (directory.back() != '/') directory += '/';
    const std::size_t sep = sjis::lastSeparator(args[3]);
    const std::string member = sep == std::string::npos ? args[3] : args[3].substr(sep + 1);

    LHAInputStream* stream = lha_input_stream_from(archive.data());
    if (!stream) {
        output = "archive not found";
        return kLhaNoArchive;
    }
    int result = kLhaNoArchive;
    output = "not an archive";
    if (LHAReader* reader = lha_reader_new(stream)) {
        result = extractMember(reader, directory, member, output);
        lha_reader_free(reader);
    }
    lha_input_stream_free(stream);
    return result;
}

}  // namespace plat
