// The replacement client installed on a fresh simulated desktop at 09:30 on
// the small test day (東京 and 阪神), and the steps a user takes on it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include <functional>
#include <string>
#include <vector>

#include "betclient/centre/centre.h"
#include "betclient/client_timing.h"
#include "hand.h"
#include "frontends/simhome/ornel_desktop.h"
#include "support/support.h"

namespace clienttest {

constexpr std::int64_t k0930 = 912817800;  // 1998-12-05 09:30 JST
constexpr const char* kUser = "11112222";    // the small day's account
constexpr const char* kPassword = "0123";

constexpr const char* kLogin = "JRA PAT for Win 95";
constexpr const char* kMenu = "JRA PAT for Win95";
constexpr const char* kVenues = "開催場案内";
constexpr const char* kVote = "投票";
constexpr const char* kConfirm = "投票金額確認";
constexpr const char* kComm = "通信";
constexpr const char* kResult = "投票結果";
constexpr const char* kInfo = "パドック";
constexpr const char* kInfoBox = "ﾒｯｾｰｼﾞ";
constexpr const char* kErrorBox = "ｴﾗｰﾒｯｾｰｼﾞ";

class ClientTest : public ::testing::Test {
protected:
    ClientTest();
    ~ClientTest() override;

    // The ideal client unless a test asks for the strict one (behaviour).
    void install(const std::vector<std::string>& faults = {});
    // Runs fn as the operating program until it returns.
    void act(const std::function<void()>& fn, std::int64_t maxMs = 600'000);
    void setFaults(const std::vector<std::string>& lines);
    std::vector<std::string> faultLines() const;

    // ---- steps (each inside act) ----
    void startClient();
    void typeCredentials(const std::string& user, const std::string& password);
    void logIn();                     // through to 取得する / 取得しない
    void runTransfer();               // "ＯＫ" on the 通信 form until it has gone
    void fetchTerms();                // 取得する, the transfer, the venue guide
    void skipTerms();                 // 取得しない, the venue guide
    void openVoteAt(const char* venueName, int x, int y);
    void calibrateVote() { hand::calibrate(hand::kForm, kVote, 638, 430); }
    // One bet as a user enters it: racecourse, race, kind, numbers, amount, Ｏ　Ｋ.
    void enterBet(const std::string& venue, int race, const std::string& kind, std::vector<int> numbers, int yen);
    // The number grid and its client size (the first child of its frame at the point).
    plat::Hwnd numberGrid(plat::Rect& client);
    void clickHorse(int n);
    void clickBracket(int n);
    void typeAmount(int yen);
    void openConfirm();
    void typeTotal(long long yen);
    void pressSubmit(bool forced);
    // On the amount confirmation: the total, the button, the transfer.
    void submitGroup(long long yen, bool forced);
    void openInfoForm();              // from the menu form
    void acknowledgeVote();           // the ﾒｯｾｰｼﾞ box and the result form

    // ---- what the centre and the files say ----
    centre::Centre centreNow();
    std::string clientFile(const std::string& name) const { return testsupport::readBytes(client.file(name)); }
    bool clientFileExists(const std::string& name) const;

    testsupport::TempDir home, client;
    simhome::OrnelDesktop desk;
    sim::Desktop& desktop;
    std::string exe;
    betclient::ClientBehaviour behaviour{.ideal = true};
};

}  // namespace clienttest
