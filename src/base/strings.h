// The program's string table: every numbered message with its exact text,
// and the message texts that have no number (they are shown with id 0).
//
// All texts are Shift-JIS at run time; "\r" and "\n" inside them are the
// line breaks the message boxes show.
#pragma once

namespace base {

// The program's name: the main window's caption and the message boxes' caption.
constexpr const char* kProgramCaption = "Ornel";
// The version line (the about box, `ornel --version`).
constexpr const char* kVersionText = "Ornel Version 1.21a";

// ---- numbered messages ----
constexpr int kMsgTooManyBets = 8001;          // ベット数オーバー
constexpr int kMsgVenueNotHeld = 8002;         // 未開催競馬場？
constexpr int kMsgRaceNotOnSale = 8003;        // 未発売レース？
constexpr int kMsgBadVenueOrKind = 8005;       // 競馬場コードまたは投票種別が不正です！
constexpr int kMsgImportVenueNotHeld = 8136;   // import header: venue not held today
constexpr int kMsgImportDateDiffers = 8137;    // import header: date differs (Yes/No)
constexpr int kMsgImportMeetingDiffers = 8138; // import header: 回/日目 differ (Yes/No)
constexpr int kMsgRaceLimitExceeded = 8139;    // per-race amount limit (Yes/No)
constexpr int kMsgVoteLimitExceeded = 8140;    // per-vote amount limit (Yes/No)
constexpr int kMsgClientFailed = 8141;         // the client cannot be operated
constexpr int kMsgOutsideHours = 8142;         // outside the reception hours
constexpr int kMsgTermsUnchecked = 8145;       // terms not checked from now on
constexpr int kMsgTermsNotToday = 8146;        // restart the client for today's terms? (Yes/No)
constexpr int kMsgSettingsIncomplete = 8147;   // ID, password or client path missing
constexpr int kMsgManualModeQuestion = 8158;   // after a failed AUTO run (Yes/No)
constexpr int kMsgCountdown = 8159;            // modem dialog countdown note

// The text of a numbered message; nullptr for an id the table does not hold.
const char* messageText(int id);

// ---- unnumbered message texts ----
constexpr const char* kTextTermsFilesMissing = "開催情報ファイルが見つかりません！";
constexpr const char* kTextCannotWriteFile = "ファイルが出力できません！";
constexpr const char* kTextLhaTooOld =
    "UNLHAのバーションが古いようです！\n処理を続行しますが正常に解凍出来ないかもしれません。";
constexpr const char* kTextLhaBusy = "UNLHAが他のｱﾌﾟﾘｹｰｼｮﾝで使用中です！";
constexpr const char* kTextLhaFailed = "UNLHAで解凍中にエラーが起こりました！";
constexpr const char* kTextRaceCardMissing = "出馬表ファイルが見つかりません！";
// printf format: month and day of the race card that was read.
constexpr const char* kFormatRaceCardWrongDay =
    "有効な出馬表ファイルではありません！\n投票要項と同じ日の出馬表データを入力してください。\n"
    "今回のデータは %d 月 %d 日分でした。";
// A bet run found that bets it entered earlier may still wait in the
// client's vote form, and could not clear them by restarting the client.
constexpr const char* kTextClearVoteForm =
    "投票画面に送信されていないベットが残っている可能性があります。\n"
    "投票画面のベットを取り消してから、もう一度投票してください。";
// Heads the list of the bets the betting centre refused (one per line).
constexpr const char* kTextBetsRefused = "次のベットは受け付けられませんでした。";
constexpr const char* kTextClientExeMissing = "Ｐａｔ９５．ｅｘｅ が見つかりません。";
constexpr const char* kTextChooseClientExe = "Ｐａｔ９５．Ｅｘｅを選択してください。";
constexpr const char* kTextChooseBetFileDir =
    "ベットファイルディレクトリ内のファイルを仮に選んでください。";
constexpr const char* kTextChooseRaceCardDir =
    "ターゲット出馬表ファイルディレクトリ内のファイルを仮に選んでください。";

}  // namespace base
