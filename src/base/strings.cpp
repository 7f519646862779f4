#include "base/strings.h"

#include <iterator>

namespace base {

namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kTable[] = {
    {kMsgTooManyBets, "ベット数オーバー"},
    {kMsgVenueNotHeld, "未開催競馬場？"},
    {kMsgRaceNotOnSale, "未発売レース？"},
    {kMsgBadVenueOrKind, "競馬場コードまたは投票種別が不正です！"},
    {kMsgImportVenueNotHeld, "未開催競馬場のようです。\r読込を続けますか？"},
    {kMsgImportDateDiffers, "日付が違っています。\r読込を続けますか？"},
    {kMsgImportMeetingDiffers, "回日が違っています。\r読込を続けますか？"},
    {kMsgRaceLimitExceeded, "レース単位賭金限度額を越えています。\r投票を続けますか？"},
    {kMsgVoteLimitExceeded, "投票単位賭金限度額を超えています。\r投票を続けますか？"},
    {kMsgClientFailed, "Ｐａｔ９５が正常に操作できません。\rベット内容をご確認ください。"},
    {kMsgOutsideHours, "ＪＲＡの受付時間外です。\n操作を終了します。"},
    {kMsgTermsUnchecked, "投票要項ノンチェックモードで動作します。"},
    {kMsgTermsNotToday,
     "投票要項が今日のものではありません！\nＰＡＴを起動し直し投票要項を取得しますか？"},
    {kMsgSettingsIncomplete, "環境設定でＰＡＴ関連の設定を済ませてください！"},
    {kMsgManualModeQuestion,
     "マニュアルモードで投票操作を行いますか？　→　Yes\nクリアして次の投票に備える　→　No"},
    {kMsgCountdown, "カウント０で自動起動します！"},
};

}  // namespace

const char* messageText(int id) {
    for (const Entry& e : kTable)
        if (e.id == id) return e.text;
    return nullptr;
}

}  // namespace base
