// A racing day written out as a small text file ("day.txt" in the client's
// directory), so that tests and the demo can state the day they want.  The
// format is described at the top of day_text.cpp and in betclient/README.md.
#pragma once

#include <string>
#include <string_view>

#include "betclient/centre/day.h"

namespace centre {

constexpr const char* kDayFileName = "day.txt";

// Reads a day; on failure returns false with the line and the reason in
// `error` (ASCII) and leaves `day` unspecified.  The day read is checked with
// checkDay.
bool parseDayText(std::string_view text, Day& day, std::string& error);
// The text of a day; parseDayText gives the same day back.
std::string formatDayText(const Day& day);

}  // namespace centre
