// The option dialogs of the FHWARS and Dbmn imports.  Each is filled from
// the settings; OK validates the ranges, stores the settings (memory and
// profile) and hands the chosen options to the import.
#pragma once

#include "base/profile_store.h"
#include "base/settings.h"
#include "betdata/importers/dbmn_importer.h"
#include "betdata/importers/fhwars_importer.h"
#include "platform/wintypes.h"

namespace betdata {

constexpr const char* kFhwarsDialogCaption = "FHWARSフォーカス取り込みオプション";
constexpr const char* kDbmnDialogCaption = "ダブマン取り込み条件";

// Control ids of the FHWARS dialog.
constexpr int kIdFhwarsTan = 1101;
constexpr int kIdFhwarsTanAmount = 1102;
constexpr int kIdFhwarsFuku = 1103;
constexpr int kIdFhwarsFukuAmount = 1104;
constexpr int kIdFhwarsRen = 1105;
constexpr int kIdFhwarsRenAmount = 1106;
// Control ids of the Dbmn dialog.
constexpr int kIdDbmnSoft = 1111;
constexpr int kIdDbmnAmount = 1112;

// Amount ranges (yen) and the agreement-count range the dialogs accept.
constexpr int kImportAmountMin = 100;
constexpr int kImportAmountMax = 199900;
constexpr int kDbmnSoftMin = 1;
constexpr int kDbmnSoftMax = 9999;

// True on OK, with the six FHWARS settings stored and copied to chosen.
bool EditFhwarsOptions(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                       FhwarsOptions& chosen);
// True on OK, with "Dbmn Soft" and "Dbmn Kingaku" stored and copied to chosen.
bool EditDbmnOptions(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                     DbmnOptions& chosen);

}  // namespace betdata
