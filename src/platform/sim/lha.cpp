// LHA archives, in the three calls the race-card import makes: version,
// busy and an extract command line.  Archives are read with liblhasa; what
// the desktop's library reports (installed, version, busy) is set by the
// harness (Desktop::setLhaLibrary).
//
// Extraction writes only the member asked for, under the name asked for, into
// the directory given: nothing an archive holds (stored directories, links,
// permissions, names) reaches the file system.
#include <lha_reader.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/sim/desktop_impl.h"
#include "platform/sim/path_resolve.h"
#include "platform/sim/text_match.h"
#include "platform/sjis.h"
#include "platform/system.h"

namespace sim {

void Desktop::setLhaLibrary(const LhaLibrary& library) { impl_->lha = library; }
const Desktop::LhaLibrary& Desktop::lhaLibrary() const { return impl_->lha; }

}  // namespace sim

namespace plat {

namespace {

// Results of lhaCommand.
constexpr int kLhaOk = 0;
constexpr int kLhaBadCommand = 1;    // not "e ARCHIVE DIR MEMBER"
constexpr int kLhaNoArchive = 2;     // missing or not an LHA archive
constexpr int kLhaNoDirectory = 3;   // the extraction directory does not exist
constexpr int kLhaNoMember = 4;      // the archive holds no such member
constexpr int kLhaExtractFailed = 5; // damaged data or the file could not be written
constexpr int kLhaBusy = 6;          // another program is using the library
constexpr int kLhaNotInstalled = -1; // no library at all

constexpr const char* kPartialSuffix = ".part~";
constexpr std::size_t kChunkBytes = 4096;

// The library of the desktop in use; a standard installed one without a desktop.
const sim::Desktop::LhaLibrary& library() {
    static const sim::Desktop::LhaLibrary standard;
    const sim::Desktop::Impl* d = sim::activeDesktop();
    return d ? d->lha : standard;
}

// CRC-16 as LHA archives carry it (reflected polynomial 0xA001, initial 0).
std::uint16_t crc16(std::uint16_t crc, const unsigned char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

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

// An ordinary file entry (not a directory or a link) named `member`, its
// name compared ASCII case-insensitively whatever directory it is stored under.
bool isMember(const LHAFileHeader& header, const std::string& member) {
    return header.filename != nullptr && header.symlink_target == nullptr &&
           std::strcmp(header.compress_method, LHA_COMPRESS_TYPE_DIR) != 0 &&
           sim::equalsIgnoreCase(header.filename, member);
}

// Decompresses the current entry into `path`; true when all of it was
// written and its CRC matches.
bool writeEntry(LHAReader* reader, const LHAFileHeader& header, const std::string& path) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    unsigned char buffer[kChunkBytes];
    std::uint16_t crc = 0;
    std::size_t total = 0;
    bool written = true;
    while (const std::size_t n = lha_reader_read(reader, buffer, sizeof buffer)) {
        crc = crc16(crc, buffer, n);
        total += n;
        written = written && std::fwrite(buffer, 1, n, out) == n;
    }
    written = std::fclose(out) == 0 && written;
    return written && total == header.length && crc == header.crc;
}

// Extracts the archive's member `member` into `directory` under that name.
// The data goes to a temporary file first, so a damaged archive never
// destroys an earlier copy.
int extractMember(LHAReader* reader, const std::string& directory, const std::string& member,
                  std::string& output) {
    while (LHAFileHeader* header = lha_reader_next_file(reader)) {
        if (!isMember(*header, member)) continue;
        const std::string target = sim::resolveCase(directory + member);
        const std::string partial = target + kPartialSuffix;
        if (!writeEntry(reader, *header, partial) || std::rename(partial.c_str(), target.c_str()) != 0) {
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

unsigned lhaGetVersion() { return library().installed ? library().version : 0; }

bool lhaGetRunning() { return library().installed && library().busy; }

int lhaCommand(Hwnd, const std::string& commandLine, std::string& output) {
    if (!library().installed) {
        output.clear();
        return kLhaNotInstalled;
    }
    if (library().busy) {
        output = "busy";
        return kLhaBusy;
    }
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
    if (member.empty()) {
        output = "usage: e ARCHIVE DIR MEMBER";
        return kLhaBadCommand;
    }

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
