// Small text formats the forms show.
#pragma once

#include <string>

#include "betclient/centre/voting.h"

namespace betclient {

// "1,000円".
std::string formatYen(long long yen);
// The race combo item: "  １" … "  ９" (two blanks, a full-width digit),
// "１０", "１１", "１２".
std::string raceItem(int race);
// "1998年12月05日(土)".
std::string dateText(int year, int month, int day);
// "03-07" for a pair, "03" for one number.
std::string numbersText(const centre::Bet& bet);
// "東京 11R 馬連 03-07".
std::string betText(const centre::Bet& bet);

}  // namespace betclient
