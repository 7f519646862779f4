#include "ui/main_commands.h"

#include "ui/main_window_layout.h"

namespace ui {

namespace {

// What each command is called in the two menus, and which have buttons.  A
// command refused during a run works on the betting client or on the
// BetList while the BetRunner thread uses them.
const CommandDefinition kCommandDefinitions[] = {
    {.id = kIdBet, .systemMenuText = "投票(&T)", .contextMenuText = "投票.........................................(&T)", .hasButton = true},
    {.id = kIdLoad, .hasButton = true, .refusedDuringRun = true},
    {.id = kIdClear, .hasButton = true, .refusedDuringRun = true},
    {.id = kIdMerge, .hasButton = true, .refusedDuringRun = true},
    {.id = kIdAutoMode, .hasButton = true, .refusedDuringRun = true},
    {.id = kIdHelp, .hasButton = true},
    {.id = kIdConnectClient, .systemMenuText = "ＰＡＴの起動(&P)", .contextMenuText = "ＰＡＴの起動...........................(&P)", .refusedDuringRun = true},
    {.id = kIdTimerBetFile, .systemMenuText = "タイマー投票ファイルの出力(&F)", .contextMenuText = "タイマー投票ファイル出力..(&W)"},
    {.id = kIdReadStartTimes, .systemMenuText = "発走時刻の読込.(&H)", .contextMenuText = "発走時刻の読込.................(&H)", .refusedDuringRun = true},
    {.id = kIdFetchRaceCards, .systemMenuText = "出馬表の取得(&D)", .contextMenuText = "出馬表の取得......................(&D)", .refusedDuringRun = true},
    {.id = kIdReadRaceCards, .systemMenuText = "出馬表の読込(&L)", .contextMenuText = "出馬表の読込......................(L)"},
    {.id = kIdPayoutFetch, .systemMenuText = "払戻情報の取得(&I)", .contextMenuText = "払戻情報の取得..................(&I)"},
    {.id = kIdPayoutReport, .contextMenuText = "払戻情報ファイル出力.......(&F)"},
    {.id = kIdEnvironment, .systemMenuText = "環境設定(&E)", .contextMenuText = "環境設定...............................(&E)"},
    {.id = kIdOptions, .systemMenuText = "動作設定(&O)", .contextMenuText = "動作設定...............................(&O)"},
    {.id = kIdModemSettings, .systemMenuText = "PATのモデム設定(&M)", .contextMenuText = "PATのモデム設定................(&M)"},
    {.id = kIdAutoExit, .systemMenuText = "タイマー自動終了の設定(&X)", .contextMenuText = "タイマー自動終了の設定...(&X)"},
    {.id = kIdWindowDump, .contextMenuText = "Win情報の記録....................(&S)"},
    {.id = kIdAbout, .systemMenuText = "ﾊﾞｰｼﾞｮﾝ情報(Ornel) (&A)...", .contextMenuText = "ﾊﾞｰｼﾞｮﾝ情報........................(&A)"},
};

}  // namespace

const std::vector<int> kSystemMenuLayout = {
    kSeparator,
    kIdConnectClient,
    kIdBet,
    kIdTimerBetFile,
    kIdReadStartTimes,
    kSeparator,
    kIdFetchRaceCards,
    kIdReadRaceCards,
    kIdPayoutFetch,
    kSeparator,
    kIdEnvironment,
    kIdOptions,
    kIdModemSettings,
    kIdAutoExit,
    kSeparator,
    kIdAbout,
};

const std::vector<int> kContextMenuLayout = {
    kIdConnectClient,
    kIdBet,
    kIdTimerBetFile,
    kIdReadStartTimes,
    kSeparator,
    kIdFetchRaceCards,
    kIdReadRaceCards,
    kIdPayoutFetch,
    kIdPayoutReport,
    kSeparator,
    kIdEnvironment,
    kIdOptions,
    kIdModemSettings,
    kIdAutoExit,
    kSeparator,
    kIdWindowDump,
    kSeparator,
    kIdAbout,
};

void AddMainCommands(CommandTable& table) {
    for (const CommandDefinition& definition : kCommandDefinitions) table.add(definition);
}

}  // namespace ui
