// Bringing the client to its vote form, logged in, with the day's voting
// terms fetched and read.
#pragma once

#include "base/terms_connector.h"
#include "driver/pat_driver.h"

namespace driver {

// Modes of ConnectClient: no bit (the bet list, loading and importing, the
// client command, the terms refresh) makes sure the terms are loaded,
// starting the client within the reception hours; the bits add:
constexpr int kConnectTermsOnly = base::kConnectTermsOnly;
constexpr int kConnectOpenVoteForm = 1;  // from the menu form, open the vote form
constexpr int kConnectUseVoteForm = 2;   // restore the vote form and calibrate to it
// Bet entry and the information screen.
constexpr int kConnectForBetting = kConnectOpenVoteForm | kConnectUseVoteForm;

// Brings the client from wherever it is (not running, login form, venue
// guide, menu form, vote form) to the vote form, then reads the voting
// terms unless they are in memory.  Outside the reception hours, mode 0 only
// reads the terms.  0 when ready or when there was nothing to do; -1 when it
// failed (the user has been told).
int ConnectClient(PatDriver& driver, int mode);

// The last step of ConnectClient: the terms files next to the client's
// executable are read unless the terms are in memory; terms that are not
// today's switch the bet checks off (8145).  Returns 0.
int LoadTermsUnlessInMemory(PatDriver& driver);

// Upper bound of the wait while the communication form stays open during a
// terms fetch: a transfer still running after five minutes is taken as hung.
constexpr unsigned kTermsTransferLimitMs = 5 * 60 * 1000;

}  // namespace driver
