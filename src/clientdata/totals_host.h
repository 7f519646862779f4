// What the readers that change the running totals need of the program: the
// status box redrawn and "Current Info" stored.
#pragma once

#include <string>

namespace clientdata {

class TotalsHost {
public:
    virtual ~TotalsHost() = default;
    virtual void showBetStatus() = 0;                            // redraw the status box
    virtual void storeCurrentInfo(const std::string& line) = 0;  // write "Current Info"
};

}  // namespace clientdata
