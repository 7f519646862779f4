#include "betclient/format.h"

#include <array>
#include <cstdio>

#include "betclient/centre/venues.h"

namespace betclient {

namespace {

constexpr std::array<const char*, 10> kWideDigits = {"０", "１", "２", "３", "４",
                                                     "５", "６", "７", "８", "９"};
constexpr std::array<const char*, 7> kWeekdays = {"日", "月", "火", "水", "木", "金", "土"};

}  // namespace

std::string formatYen(long long yen) {
    const bool negative = yen < 0;
    std::string digits = std::to_string(negative ? -yen : yen);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return (negative ? "-" : "") + grouped + "円";
}

std::string raceItem(int race) {
    if (race < 1 || race > 99) return {};
    if (race < 10) return std::string("  ") + kWideDigits[static_cast<std::size_t>(race)];
    return std::string(kWideDigits[static_cast<std::size_t>(race / 10)]) +
           kWideDigits[static_cast<std::size_t>(race % 10)];
}

std::string dateText(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d年%02d月%02d日(%s)", year, month, day,
                  kWeekdays[static_cast<std::size_t>(centre::weekday(year, month, day) % 7)]);
    return text;
}

std::string numbersText(const centre::Bet& bet) {
    char text[16];
    if (centre::isPairKind(bet.kind)) {
        std::snprintf(text, sizeof text, "%02d-%02d", bet.first % 100, bet.second % 100);
    } else {
        std::snprintf(text, sizeof text, "%02d", bet.first % 100);
    }
    return text;
}

std::string betText(const centre::Bet& bet) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %2dR %s %s", std::string(centre::venueName(bet.venue)).c_str(),
                  bet.race % 100, std::string(centre::kindName(bet.kind)).c_str(),
                  numbersText(bet).c_str());
    return text;
}

}  // namespace betclient
