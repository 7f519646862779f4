// The main window's dialog template: the status box, the BetList, the
// hidden staging edit and the six buttons.
#pragma once

#include "platform/dialog.h"

namespace ui {

// Control ids.
constexpr int kIdBetList = 1000;
constexpr int kIdStatusBox = 1001;
constexpr int kIdBet = 1004;        // 投票 (STOP during a run)
constexpr int kIdLoad = 1005;       // 読込
constexpr int kIdClear = 1006;      // ｸﾘｱ
constexpr int kIdMerge = 1020;      // ﾏ-ｼﾞ
constexpr int kIdAutoMode = 1021;   // AUTO (MANU while AUTO mode is on)
constexpr int kIdStaging = 1033;
constexpr int kIdHelp = 57671;      // ？

constexpr const char* kMainCaption = "Ornel";
// Captions of the AUTO/MANU switch (1021): "MANU" while AUTO mode is on.
constexpr const char* kAutoCaption = "AUTO";
constexpr const char* kManualCaption = "MANU";
// Both edits hold at most this many characters.
constexpr int kListTextLimit = 20480;
// The staging edit is widened so that no staged line wraps.
constexpr int kStagingExtraWidth = 900;

plat::DialogTemplate MainWindowTemplate();

}  // namespace ui
