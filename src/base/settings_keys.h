// The key names of the settings profile.
#pragma once

namespace base::keys {

// Section "Define".
constexpr const char* kActionWait = "Action Wait";
constexpr const char* kMessageWait = "Message Wait";
constexpr const char* kWindowOpenWait = "Window Open Wait";
constexpr const char* kBetFileWatchDistance = "Bet File Watch Distance";
constexpr const char* kShimekiriMae = "Shimekiri mae";
constexpr const char* kAnnaiWaveFile = "Annai Wave File";
constexpr const char* kBetFileDir = "Bet File Dir";
constexpr const char* kPat95Dir = "Pat95 Dir";
constexpr const char* kTargetDir = "Target Dir";
constexpr const char* kPatId = "Pat Id";
constexpr const char* kPatPassWord = "Pat Pass Word";
constexpr const char* kPatCode = "Pat Code";
constexpr const char* kAccInp = "AccInp";
constexpr const char* kAutoPat = "AutoPat";
constexpr const char* kSkipAnn = "SkipAnn";
constexpr const char* kSkipCyuui = "SkipCyuui";
constexpr const char* kRenameSav = "Rename Sav";
constexpr const char* kForceMode = "Force Mode";
constexpr const char* kForceTouhyo = "Force Touhyo";
constexpr const char* kAutoMode = "Auto Mode";
constexpr const char* kLimitTime = "Limit Time";
constexpr const char* kLimitRace = "Limit Race";
constexpr const char* kBetDivideUnit = "Bet Divide Unit";
constexpr const char* kHaraimodoshiInfoGetTime = "Haraimodoshi Info Get Time";
constexpr const char* kAutoExitTime = "Auto Exit Time";
constexpr const char* kFhwarsRen = "FHWARS REN";
constexpr const char* kFhwarsTan = "FHWARS TAN";
constexpr const char* kFhwarsFuku = "FHWARS FUKU";
constexpr const char* kFhwarsKingaku = "FHWARS Kingaku";
constexpr const char* kFhwarsTanKingaku = "FHWARS Tan Kingaku";
constexpr const char* kFhwarsFukuKingaku = "FHWARS Fuku Kingaku";
constexpr const char* kDbmnSoft = "Dbmn Soft";
constexpr const char* kDbmnKingaku = "Dbmn Kingaku";
constexpr const char* kCurrentInfo = "Current Info";
constexpr const char* kFramePos = "Frame Pos";

// Section "Pat Define".
constexpr const char* kModemName1 = "Modem Name 1";
constexpr const char* kModemNumber1 = "Modem Number 1";
constexpr const char* kLineDevice1 = "Line Device 1";
constexpr const char* kLineDefineUse1 = "Line Define Use 1";
constexpr const char* kModemName2 = "Modem Name 2";
constexpr const char* kModemNumber2 = "Modem Number 2";
constexpr const char* kLineDevice2 = "Line Device 2";
constexpr const char* kLineDefineUse2 = "Line Define Use 2";
constexpr const char* kModemDialogAutoCloseSec = "Modem Dialog Auto Close Sec";

}  // namespace base::keys
