// Writing the BetTable back into the bet list as canonical lines.
#pragma once

#include <cstddef>

#include "base/bet_line.h"
#include "betdata/bet_list_context.h"

namespace betdata {

// Room for one canonical line (about 36 bytes) with its CR LF and NUL.
constexpr std::size_t kCanonicalLineBytes = 64;

// Formats bet number lineNumber (1-based) as its canonical line, ending in
// CR LF, e.g. "001: 東京 11R 馬連 03-05     1000\r\n".  Returns the length;
// 0 (and an empty buffer) for a bet of no known kind.
std::size_t FormatBetLine(char* buffer, std::size_t size, int lineNumber, const base::BetLine& bet);

// Empties the list and writes one canonical line per BetTable entry, in
// table order; puts the caret at the end; sets the table total and the
// list count and total.
void RenderBetList(BetListContext& ctx);

}  // namespace betdata
