// Faults on request: the client misbehaves on purpose, so that the programs
// operating it can be tried against a slow, odd or failing client.
//
// The faults live in "faults.txt" in the client's directory, one per line:
//
//     NAME            or  NAME=VALUE  or  NAME VALUE      ('#' starts a comment)
//
// The client reads the file when it starts and again at every point where a
// fault could apply, so faults can be switched on and off while it runs.
// Standing faults hold as long as their line is there; one-shot faults fire
// once and the client then removes their line (write a line twice to have a
// fault fire twice).  kFaultCatalogue lists them all.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace betclient {

constexpr const char* kFaultsFileName = "faults.txt";

namespace fault {
// Standing.
constexpr std::string_view kSlowOpen = "slow-open";       // [=ms] forms appear late
constexpr std::string_view kScale = "scale";              // =F or =FXxFY
constexpr std::string_view kMinimized = "minimized";      // [=form] forms open minimized
constexpr std::string_view kDisabled = "disabled";        // [=form] forms open and stay disabled
constexpr std::string_view kSameBracket = "same-bracket"; // 同枠取消 on every bracket click
// One-shot.
constexpr std::string_view kLoginRefused = "login-refused";
constexpr std::string_view kTransferHang = "transfer-hang";
constexpr std::string_view kTransferError = "transfer-error";
constexpr std::string_view kValidation = "validation";    // [=pair|single|numbers|amount]
constexpr std::string_view kTotalMismatch = "total-mismatch";
constexpr std::string_view kError10001 = "error-10001";
constexpr std::string_view kError11028 = "error-11028";
}  // namespace fault

struct FaultInfo {
    std::string_view name;
    bool oneShot;
    const char* description;  // plain ASCII, for help texts
};
extern const std::vector<FaultInfo> kFaultCatalogue;
bool isKnownFault(std::string_view name);

struct FaultLine {
    std::string name;
    std::string value;
};
// A line of the file; nullopt for blank and comment lines.
std::optional<FaultLine> parseFaultLine(std::string_view line);

// The fault file of a client directory (ending in a separator), read afresh
// at every question.
class FaultFile {
public:
    explicit FaultFile(std::string directory);
    // The value of the first line of that name ("" when it has none).
    std::optional<std::string> find(std::string_view name) const;
    bool has(std::string_view name) const { return find(name).has_value(); }
    // A one-shot fault: the value of its first line, which is removed.
    std::optional<std::string> take(std::string_view name) const;

private:
    std::vector<std::string> readLines() const;
    std::string path_;
};

// For tests and the simulated home: replace the file with these lines, or
// add one.  Call on a simulated thread (the file carries its clock).
bool writeFaults(const std::string& directory, const std::vector<std::string>& lines);
bool addFault(const std::string& directory, const std::string& line);

}  // namespace betclient
