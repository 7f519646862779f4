// What the bet-list operations work on: the list text, the bet-list state,
// the voting terms the bets are checked against, the user, and the client
// connection that makes sure the terms are loaded.
#pragma once

#include "app/notifier.h"
#include "betdata/bet_list_state.h"
#include "betdata/bet_list_text.h"
#include "clientdata/voting_terms.h"

namespace betdata {

// The client connection as parsing needs it.  The driver implements it with
// its ConnectClient: 0 when the client is ready (or there is nothing to do),
// -1 when it failed (the user has been told).
class TermsConnector {
public:
    virtual ~TermsConnector() = default;
    virtual int connectClient(int mode) = 0;
};

// ConnectClient mode that only makes sure the day's voting terms are loaded.
constexpr int kConnectTermsOnly = 0;

struct BetListContext {
    BetListText& list;
    BetListState& state;
    const clientdata::VotingTerms& terms;
    app::Notifier& notifier;
    TermsConnector* connector = nullptr;  // none: the terms step does nothing
};

}  // namespace betdata
