// The client connection as the bet list, the importers and the main window
// ask for it: make sure the day's voting terms are loaded before bets are
// checked.
#pragma once

#include "base/terms_connector.h"
#include "driver/pat_driver.h"

namespace driver {

// Where the betting client is.
enum class ClientPresence {
    Installed,  // ConnectClient: the client is started and logged into as needed
    FilesOnly,  // no client to operate (the batch commands): only its terms files are read
};

class ClientConnector : public base::TermsConnector {
public:
    ClientConnector(PatDriver& driver, ClientPresence presence) : driver_(driver), presence_(presence) {}

    // With the client installed, ConnectClient.  With its files only, the
    // terms are read from the client's directory unless they are in
    // memory, as ConnectClient does outside the reception hours; without a
    // client directory no terms are in force and the day's allowance of
    // bets stands whole.  -1 only when ConnectClient failed.
    int connectClient(int mode) override;

private:
    PatDriver& driver_;
    ClientPresence presence_;
};

}  // namespace driver
