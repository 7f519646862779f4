#include "support/lzh_archives.h"

#include <cstdint>
#include <cstdlib>

namespace testsupport {

namespace {

constexpr const char* kPacker = "lha";

// CRC-16 as LHA uses it (reflected polynomial 0xA001, initial value 0).
std::uint16_t crc16(const std::string& data) {
    std::uint16_t crc = 0;
    for (unsigned char c : data) {
        crc ^= c;
        for (int i = 0; i < 8; ++i) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A single-quoted shell word.
std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

// Level-0 header of each member:
//   0  1  header size (bytes from offset 2 to the end of the header: 22 + n)
//   1  1  header checksum (sum of those bytes, modulo 256)
//   2  5  method "-lh0-"
//   7  4  compressed size, little-endian
//  11  4  original size
//  15  4  MS-DOS time stamp (time word, then date word)
//  19  1  attribute (0x20)
//  20  1  header level (0)
//  21  1  name length n
//  22  n  name
//  22+n 2 CRC-16 of the original data
// then the data; a zero byte ends the archive.
std::string storedLzhArchive(const std::vector<LzhMember>& members) {
    const std::uint32_t dosTime = (12u << 11) | ((1998u - 1980u) << 25) | (12u << 21) | (5u << 16);
    std::string archive;
    for (const LzhMember& m : members) {
        std::string body = "-lh0-";
        putLe(body, static_cast<std::uint32_t>(m.data.size()), 4);
        putLe(body, static_cast<std::uint32_t>(m.data.size()), 4);
        putLe(body, dosTime, 4);
        body += '\x20';
        body += '\x00';
        body += static_cast<char>(m.name.size());
        body += m.name;
        putLe(body, crc16(m.data) ^ (m.badCrc ? 0x5555 : 0), 2);
        unsigned sum = 0;
        for (unsigned char c : body) sum += c;
        archive += static_cast<char>(body.size());
        archive += static_cast<char>(sum & 0xFF);
        archive += body + m.data;
    }
    return archive + '\0';
}

bool haveLzhPacker() {
    return std::system((std::string("command -v ") + kPacker + " >/dev/null 2>&1").c_str()) == 0;
}

bool packLzh(const std::string& directory, const std::string& archive, const std::vector<std::string>& files) {
    std::string command = "cd " + quoted(directory) + " && " + kPacker + " a2q " + quoted(archive);
    for (const std::string& file : files) command += " " + quoted(file);
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace testsupport
