// The client connection as the bet-list code needs it: the driver
// implements it, the bet list calls it before checking bets against the
// voting terms.
#pragma once

namespace base {

// connectClient runs the driver's ConnectClient: 0 when the client is ready
// (or there is nothing to do), -1 when it failed (the user has been told).
class TermsConnector {
public:
    virtual ~TermsConnector() = default;
    virtual int connectClient(int mode) = 0;
};

// ConnectClient mode that only makes sure the day's voting terms are loaded.
constexpr int kConnectTermsOnly = 0;

}  // namespace base
