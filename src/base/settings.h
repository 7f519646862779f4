// The program's persisted configuration, held in memory for the whole run.
//
// Every key of the profile's two sections ("Define" and "Pat Define") with
// its default.  Texts are Shift-JIS.  The user ID and password are held
// decoded; the scrambled "Pat Code" that stores them is never kept.
#pragma once

#include <string>

namespace base {

constexpr const char* kSectionDefine = "Define";
constexpr const char* kSectionPatDefine = "Pat Define";

// Default payout fetch time without its random minute offset (16:46).
constexpr int kPayoutTimeBase = 1646;

struct Settings {
    // ---- "Define": timing of the client driver ----
    int actionWait = 500;            // ms
    int messageWait = 100;           // ms
    int windowOpenWait = 2;          // s
    int betFileWatchDistance = 60;   // s; compared unsigned
    int shimekiriMae = 6;            // minutes before a race's start
    // ---- directories and files ----
    std::string annaiWaveFile;
    std::string betFileDir;          // any file in the bet-file directory
    std::string pat95Dir;            // full path of the client's executable
    std::string targetDir;           // any file in TARGET's race-card directory
    // ---- credentials (decoded) ----
    std::string userId;              // at most 8 digits
    std::string password;            // at most 4 digits
    // ---- option switches (0/1) ----
    int accInp = 1;
    int autoPat = 1;
    int skipAnn = 1;
    int skipCyuui = 0;
    int renameSav = 1;
    int forceMode = 0;
    int forceTouhyo = 0;
    int autoMode = 0;
    // ---- purchase limits ----
    int limitTime = 5000;            // yen, whole bet list of one run
    int limitRace = 5000;            // yen, per race
    int betDivideUnit = 50;          // bets per batch
    // ---- AutoMode times (packed: hour * 100 + minute + flags) ----
    int haraimodoshiInfoGetTime = kPayoutTimeBase;  // +10000 auto fetch, +20000 write report
    int autoExitTime = 21700;        // +0 on, +10000 on and power off, +20000 off
    // ---- import options ----
    int fhwarsRen = 1;
    int fhwarsTan = 0;
    int fhwarsFuku = 0;
    int fhwarsKingaku = 100;         // yen
    int fhwarsTanKingaku = 100;      // yen
    int fhwarsFukuKingaku = 100;     // yen
    int dbmnSoft = 9;
    int dbmnKingaku = 100;           // yen
    // ---- kept for other parts of the program ----
    std::string currentInfo;         // running totals line
    std::string framePos;            // main window placement

    // ---- "Pat Define": modem settings ----
    std::string modemName1;
    std::string modemNumber1;
    int lineDevice1 = 0;
    int lineDefineUse1 = 0;
    std::string modemName2;
    std::string modemNumber2;
    int lineDevice2 = 0;
    int lineDefineUse2 = 0;
    int modemDialogAutoCloseSec = 0;
};

}  // namespace base
