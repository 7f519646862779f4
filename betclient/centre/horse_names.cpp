#include "betclient/centre/horse_names.h"

#include <array>
#include <string_view>

#include "betclient/centre/rng.h"

namespace centre {

namespace {
// Up to four characters before, up to five after: nine at most.
constexpr std::array<std::string_view, 16> kHeads = {
    "アオイ", "ハヤテ", "カゼ", "ソラ", "ホシ", "ユメ", "ツキ", "ヒカリ",
    "ミライ", "ハナ", "コハク", "スバル", "アサヒ", "ナギ", "リン", "シズカ",
};
constexpr std::array<std::string_view, 16> kTails = {
    "ボーイ", "スター", "ドリーム", "ウイング", "ラン", "オー", "クイン", "エース",
    "キング", "フラッシュ", "ロード", "ブルー", "ダンサー", "ハート", "リボン", "ゴー",
};
}  // namespace

std::string horseName(const Day& day, int venue, int race, int horse) {
    Rng rng(static_cast<std::uint64_t>(((day.year * 13 + day.month) * 32 + day.day) * 11 + venue) * 1000 +
            static_cast<std::uint64_t>(race * 20 + horse));
    std::string name(kHeads[rng.next() % kHeads.size()]);
    name += kTails[rng.next() % kTails.size()];
    return name;
}

}  // namespace centre
