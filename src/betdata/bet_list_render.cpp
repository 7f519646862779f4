#include "betdata/bet_list_render.h"

#include <cstdio>

#include "base/venue.h"

namespace betdata {

namespace {

const char* canonicalFormat(char kind) {
    switch (kind) {
    case base::kKindUmaren: return "%03d: %4s %2dR 馬連 %02d-%02d %8d\r\n";
    case base::kKindWakuren: return "%03d: %4s %2dR 枠連 %02d-%02d %8d\r\n";
    case base::kKindTansho: return "%03d: %4s %2dR 単勝    %02d %8d\r\n";
    case base::kKindFukusho: return "%03d: %4s %2dR 複勝    %02d %8d\r\n";
    default: return nullptr;
    }
}

}  // namespace

std::size_t FormatBetLine(char* buffer, std::size_t size, int lineNumber, const base::BetLine& bet) {
    if (size == 0) return 0;
    buffer[0] = '\0';
    const char* format = canonicalFormat(bet.kind);
    if (!format) return 0;
    const int yen = bet.amount * base::kYenPerUnit;
    int n = base::isPairKind(bet.kind)
                ? std::snprintf(buffer, size, format, lineNumber, base::VenueName(bet.venue), bet.race,
                                bet.first, bet.second, yen)
                : std::snprintf(buffer, size, format, lineNumber, base::VenueName(bet.venue), bet.race,
                                bet.first, yen);
    if (n < 0) return 0;
    return static_cast<std::size_t>(n) < size ? static_cast<std::size_t>(n) : size - 1;
}

void RenderBetList(BetListContext& ctx) {
    BetTable& table = ctx.state.table;
    ctx.list.clear();
    char line[kCanonicalLineBytes];
    int units = 0;
    for (int i = 0; i < table.count; ++i) {
        const base::BetLine& bet = table.entries[i];
        if (FormatBetLine(line, sizeof line, i + 1, bet) > 0) ctx.list.append(line);
        units += bet.amount;
    }
    ctx.list.showEnd();
    table.totalYen = units * base::kYenPerUnit;
    ctx.state.listCount = table.count;
    ctx.state.listTotal = table.totalYen;
}

}  // namespace betdata
