// Ornel's client operations against the replacement client, installed on a
// fresh simulated desktop with the small test day (1998-12-05, 東京 and
// 阪神).  The desktop's clock and the program clock start at the time the
// test names; the scripted user answers Ornel's boxes (OK, and Yes unless a
// test says otherwise) and leaves the client's boxes to the driver.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/message_box_notifier.h"
#include "base/settings.h"
#include "base/next_bet_file.h"
#include "base/voting_terms.h"
#include "driver/connect_client.h"
#include "driver/pat_driver.h"
#include "frontends/simhome/ornel_desktop.h"
#include "support/support.h"

namespace drivertest {

constexpr std::int64_t k0830 = 912814200;  // 1998-12-05 08:30 JST
constexpr std::int64_t k1000 = 912819600;  // 1998-12-05 10:00 JST

class ClientDriverTest : public ::testing::Test {
protected:
    explicit ClientDriverTest(std::int64_t start = k1000);
    ~ClientDriverTest() override;

    // Installs the client (with faults.txt lines) into home/client.
    void install(const std::vector<std::string>& faults = {});
    // Uy-a.Jra of the day before, as a client that last fetched yesterday
    // leaves it.
    void writeYesterdaysTerms();
    void setFaults(const std::vector<std::string>& lines);
    // The client logged in without fetching and showing its vote form, with
    // yesterday's terms in its directory; trace, boxes and terms cleared.
    void startWithYesterdaysTerms(const std::vector<std::string>& faults = {});

    // Runs fn on Ornel's thread; lastMs is the virtual time it took.
    void asOrnel(const std::function<void()>& fn, std::int64_t maxMs = 1'800'000);
    int connect(int mode);

    // String-table ids of the boxes Ornel showed since the last
    // forgetBoxes, in order.
    std::vector<int> boxIds() const;
    void forgetBoxes();
    // Captions of the client's visible forms, in z-order.
    std::vector<std::string> visibleForms() const;
    bool clientShows(const std::string& caption) const;
    // Ornel's posts to the client, optionally of one message.
    std::vector<sim::TraceEvent> posts(unsigned message = 0) const;
    std::size_t clientStarts() const;
    // Presses Ornel made on controls of that caption.
    std::size_t pressesOf(const std::string& caption) const;
    // Virtual time of the last post Ornel made.
    std::int64_t lastPostMs() const;

    testsupport::TempDir home;
    std::string clientDir;
    simhome::OrnelDesktop desk;
    sim::Desktop& desktop;
    sim::ScriptedUser& user;
    std::int64_t lastMs = 0;
    std::size_t boxesForgotten = 0;

    // Ornel's side.
    base::Settings settings;
    driver::DriverState state;
    base::VotingTerms terms;
    base::CurrentBetFile betFile;
    base::MessageBoxNotifier notifier;
    std::atomic<std::int64_t> clock;
    driver::PatDriver pat;
};

// The same at 8:30, before the reception hours.
class EarlyClientDriverTest : public ClientDriverTest {
protected:
    EarlyClientDriverTest() : ClientDriverTest(k0830) {}
};

}  // namespace drivertest
