// What the bet-list operations work on: the list text, the bet-list state,
// the voting terms the bets are checked against, the user, and the client
// connection that makes sure the terms are loaded.
#pragma once

#include "base/notifier.h"
#include "base/terms_connector.h"
#include "betdata/bet_list_state.h"
#include "base/bet_list_text.h"
#include "base/voting_terms.h"

namespace betdata {

struct BetListContext {
    base::BetListText& list;
    BetListState& state;
    const base::VotingTerms& terms;
    base::Notifier& notifier;
    base::TermsConnector* connector = nullptr;  // none: the terms step does nothing
};

}  // namespace betdata
