#include "betdata/bet_status.h"

#include "platform/window.h"

namespace betdata {

void ShowBetStatus(plat::Hwnd statusBox, const BetListState& state, base::VotingTerms& terms) {
    plat::setWindowText(statusBox, FormatBetStatus(state.listCount, state.listTotal, terms, state.refused));
    terms.statusDirty = 0;
}

}  // namespace betdata
