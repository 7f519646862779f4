// The texts of the client's message boxes.  Programs that operate the
// client recognise several of them by how they begin, so the openings are
// fixed; the rest of each sentence is what a user reads.
#pragma once

namespace betclient::text {

constexpr const char* kInfoCaption = "ﾒｯｾｰｼﾞ";
constexpr const char* kErrorCaption = "ｴﾗｰﾒｯｾｰｼﾞ";

// Bet entry on the vote form.
constexpr const char* kSameBracket = "同枠取消があります。\n同枠の組み合わせは発売されません。";
constexpr const char* kPairMethod = "枠連、馬連選択時は「通常」か「総流し」を選択してください。";
constexpr const char* kPairWheel = "枠連、馬連選択時の総流しは馬番（枠番）を１つだけ選択してください。";
constexpr const char* kSingleNumber = "単勝、複勝選択時は馬番を１つ選択してください。";
constexpr const char* kPairNumbers = "馬番／枠番を２つ選択してください。";
constexpr const char* kAmount = "金額を入力してください。";
constexpr const char* kNoKind = "式別を選択してください。";
constexpr const char* kPreviousDay = "前日発売のレースはありません。";
constexpr const char* kNoRace = "このレースは発売されていません。";
constexpr const char* kTooMany = "一度に投票できるのは５０件までです。\n先に投票してください。";
constexpr const char* kNothingToVote = "投票する内容がありません。";

// Submission.
constexpr const char* kTotalWrong = "合計金額が誤りです。\n入力した合計金額を確かめてください。";
constexpr const char* kNormalRefused =
    "同枠取消を含む投票は通常投票できません。\n内容を確かめて強制投票を押してください。";
constexpr const char* kAcceptedFormat = "投票を受け付けました。\n受付番号：%04d　受付件数：%d件";
constexpr const char* kAcceptedUnsavedFormat =
    "投票を受け付けました。\n受付番号：%04d（投票履歴を保存できませんでした）";
constexpr const char* kError10001 =
    "10001：投票は受け付けられましたが、投票結果を受信できませんでした。\n"
    "投票内容は投票履歴で確かめてください。";
constexpr const char* kError11028 =
    "11028：センターで合計金額を確認できませんでした。\n"
    "合計金額を入力し直し、強制投票してください。";
constexpr const char* kVoteRefused = "20001：投票を受け付けできませんでした。\n本日の投票件数を確かめてください。";

// Login, transfers, exit.
constexpr const char* kLoginWrong = "ユーザーＩＤまたはパスワードが正しくありません。";
constexpr const char* kLoginRefused = "30001：センターに接続できません。\nしばらくしてからログインしてください。";
constexpr const char* kTransferFailed = "90001：通信エラーが発生しました。\n回線の状態を確かめてください。";
constexpr const char* kTransferStopped = "通信を中止しました。";
constexpr const char* kInfoReceived = "情報の受信が終了しました。";
constexpr const char* kQuitQuestion = "終了してもよろしいですか？";

}  // namespace betclient::text
