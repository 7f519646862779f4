// The main window's command table: every command id with its texts in the
// system menu and the context menu, and the order of both menus.
#pragma once

#include <vector>

#include "ui/command.h"

namespace ui {

// Commands reached only from the menus (the buttons' ids are the control
// ids of main_window_layout.h).
constexpr int kIdAbout = 16;
constexpr int kIdEnvironment = 1008;
constexpr int kIdOptions = 32773;
constexpr int kIdConnectClient = 32774;
constexpr int kIdWindowDump = 32775;
constexpr int kIdTimerBetFile = 32777;
constexpr int kIdReadStartTimes = 32778;
constexpr int kIdPayoutFetch = 32779;
constexpr int kIdFetchRaceCards = 32780;
constexpr int kIdReadRaceCards = 32781;
constexpr int kIdAutoExit = 32782;
constexpr int kIdPayoutReport = 32783;
constexpr int kIdModemSettings = 32785;

// In a menu layout: a separator.
constexpr int kSeparator = 0;

// The entries the main window appends to its system menu, and the entries
// of the context menu, in order.
extern const std::vector<int> kSystemMenuLayout;
extern const std::vector<int> kContextMenuLayout;

// Adds every command of the main window (without actions) to the table.
void AddMainCommands(CommandTable& table);

}  // namespace ui
