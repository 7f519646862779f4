// What happens to a bet file once its bets are in the bet list: renamed to
// ".Sav" (Settings "Rename Sav" = 1) or removed (0), so that it is not
// offered again.
#pragma once

#include <string>

namespace betdata {

enum class SettleOutcome {
    Untouched,  // nothing to do: a ".SAV" file kept as it is, or an empty or missing file
    Renamed,    // now "<name>.Sav"
    Removed,
    Unmovable,  // could be neither renamed nor removed: still in place
};

// Renames or removes the loaded file.  When the chosen way fails the other
// is tried (removed instead of renamed: its lines are in the bet log; renamed
// instead of removed: out of the pending names), so a loaded file leaves the
// pending names whenever the file system allows either.
SettleOutcome SettleLoadedBetFile(const std::string& path, bool renameSav);

// The user is told once when a loaded file stays in place.
constexpr const char* kTextBetFileNotMoved =
    "読み込んだベットファイルの名前の変更も削除もできませんでした。\r"
    "二重投票を防ぐため、このファイルは再度読み込みません。";

}  // namespace betdata
