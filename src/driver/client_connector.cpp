#include "driver/client_connector.h"

#include "driver/connect_client.h"

namespace driver {

int ClientConnector::connectClient(int mode) { return ConnectClient(driver_, mode); }

}  // namespace driver
