#include "driver/client_connector.h"

#include "driver/connect_client.h"

namespace driver {

int ClientConnector::connectClient(int mode) {
    if (presence_ == ClientPresence::Installed) return ConnectClient(driver_, mode);
    if (!driver_.state.clientPath.empty()) return LoadTermsUnlessInMemory(driver_);
    if (driver_.terms.termsDay == 0) driver_.terms.betsRemaining = base::kBetsPerDay;
    return 0;
}

}  // namespace driver
