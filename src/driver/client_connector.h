// The client connection as the bet list and the importers ask for it: make
// sure the day's voting terms are loaded before bets are checked.
#pragma once

#include "base/terms_connector.h"
#include "driver/pat_driver.h"

namespace driver {

class ClientConnector : public base::TermsConnector {
public:
    explicit ClientConnector(PatDriver& driver) : driver_(driver) {}
    int connectClient(int mode) override;

private:
    PatDriver& driver_;
};

}  // namespace driver
