#include "betclient/faults.h"

#include <algorithm>

#include "platform/files.h"

namespace betclient {

namespace {

constexpr std::size_t kLineBuffer = 256;

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

bool replaceFile(const std::string& path, const std::vector<std::string>& lines) {
    plat::TextFile file;
    if (!file.open(path, plat::TextFile::Mode::Write)) return false;
    bool ok = true;
    for (const std::string& line : lines) ok = file.write(line + "\n") && ok;
    file.close();
    return ok;
}

}  // namespace

const std::vector<FaultInfo> kFaultCatalogue = {
    {fault::kSlowOpen, false, "forms appear late (=ms, default 3000)"},
    {fault::kScale, false, "forms drawn at a scale (=1.5 or =1.5x1.25)"},
    {fault::kMinimized, false, "forms open minimized (=form: login menu venues vote confirm comm result info)"},
    {fault::kDisabled, false, "forms open and stay disabled (=form as for minimized)"},
    {fault::kSameBracket, false, "every bracket click announces same-bracket cancellations"},
    {fault::kLoginRefused, true, "the next login is refused by the centre"},
    {fault::kTransferHang, true, "the next transfer never ends"},
    {fault::kTransferError, true, "the next transfer ends in an error box"},
    {fault::kValidation, true, "the next bet confirmation shows a validation box (=pair|single|numbers|amount)"},
    {fault::kTotalMismatch, true, "the next normal submission with the right total reports a wrong one"},
    {fault::kError10001, true, "the next vote is accepted but answered by error 10001"},
    {fault::kError11028, true, "the next vote is refused with error 11028"},
};

bool isKnownFault(std::string_view name) {
    return std::any_of(kFaultCatalogue.begin(), kFaultCatalogue.end(),
                       [name](const FaultInfo& f) { return f.name == name; });
}

std::optional<FaultLine> parseFaultLine(std::string_view line) {
    const auto hash = line.find('#');
    if (hash != std::string_view::npos) line = line.substr(0, hash);
    line = trim(line);
    if (line.empty()) return std::nullopt;
    const auto split = line.find_first_of("= \t");
    FaultLine parsed;
    parsed.name = std::string(trim(line.substr(0, split)));
    if (split != std::string_view::npos) parsed.value = std::string(trim(line.substr(split + 1)));
    return parsed;
}

FaultFile::FaultFile(std::string directory) : path_(std::move(directory) + kFaultsFileName) {}

std::vector<std::string> FaultFile::readLines() const {
    std::vector<std::string> lines;
    plat::TextFile file;
    if (!file.open(path_, plat::TextFile::Mode::Read)) return lines;
    std::string line;
    while (file.getLine(line, kLineBuffer)) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::string> FaultFile::find(std::string_view name) const {
    for (const std::string& line : readLines()) {
        const auto parsed = parseFaultLine(line);
        if (parsed && parsed->name == name) return parsed->value;
    }
    return std::nullopt;
}

std::optional<std::string> FaultFile::take(std::string_view name) const {
    std::vector<std::string> lines = readLines();
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        const auto parsed = parseFaultLine(*it);
        if (!parsed || parsed->name != name) continue;
        lines.erase(it);
        replaceFile(path_, lines);
        return parsed->value;
    }
    return std::nullopt;
}

bool writeFaults(const std::string& directory, const std::vector<std::string>& lines) {
    return replaceFile(directory + kFaultsFileName, lines);
}

bool addFault(const std::string& directory, const std::string& line) {
    plat::TextFile file;
    if (!file.open(directory + kFaultsFileName, plat::TextFile::Mode::Append)) return false;
    const bool ok = file.write(line + "\n");
    file.close();
    return ok;
}

}  // namespace betclient
