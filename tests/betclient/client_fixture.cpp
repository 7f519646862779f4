#include "client_fixture.h"

#include <filesystem>
#include <fstream>

#include "betclient/faults.h"
#include "betclient/format.h"
#include "betclient_centre/centre_fixture.h"
#include "frontends/simhome/client_install.h"
#include "platform/system.h"
#include "support/support.h"

namespace clienttest {

namespace {

using namespace hand;
using namespace plat;

simhome::DesktopOptions desktopOptions(const std::string& directory) {
    testsupport::useJapanTime();
    return {directory, k0930};
}

// Keypad buttons by digit.
struct Key {
    const char* caption;
    int x, y;
};
constexpr Key kKeys[10] = {{"０", 493, 152}, {"１", 493, 126}, {"２", 538, 126}, {"３", 583, 126},
                           {"４", 493, 100}, {"５", 538, 100}, {"６", 583, 100}, {"７", 493, 73},
                           {"８", 538, 73},  {"９", 583, 73}};

struct KindOption {
    const char* caption;
    int y;
};
constexpr KindOption kKinds[] = {{"単勝", 259}, {"複勝", 281}, {"枠連", 306}, {"馬連", 331}};

}  // namespace

ClientTest::ClientTest() : desk(desktopOptions(home.path())), desktop(desk.desktop()) {
    // The client's boxes are answered by the tests' own hand.
    desktop.setUser(nullptr);
    useFactors({});
}

ClientTest::~ClientTest() {
    // Let the client end with the desktop's threads.
    desktop.runFor(0);
}

void ClientTest::install(const std::vector<std::string>& faults) {
    simhome::ClientInstallOptions options;
    options.dayText = centre_test::kSmallDay;
    options.faults = faults;
    options.behaviour = behaviour;
    exe = desk.installClient(options, client.path());
    ASSERT_FALSE(exe.empty());
}

void ClientTest::act(const std::function<void()>& fn, std::int64_t maxMs) {
    ASSERT_TRUE(desktop.call("ornel", fn, maxMs)) << "the step did not end";
}

void ClientTest::setFaults(const std::vector<std::string>& lines) {
    act([&] { ASSERT_TRUE(betclient::writeFaults(client.path(), lines)); });
}

std::vector<std::string> ClientTest::faultLines() const {
    std::vector<std::string> lines;
    std::ifstream in(client.file(betclient::kFaultsFileName));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool ClientTest::clientFileExists(const std::string& name) const {
    return std::filesystem::exists(client.file(name));
}

centre::Centre ClientTest::centreNow() {
    std::string error;
    std::optional<centre::Centre> centre = centre::Centre::open(client.path(), 1998, 12, 5, error);
    EXPECT_TRUE(centre) << error;
    return centre ? std::move(*centre) : centre::Centre(centre::Day{}, client.path());
}

void ClientTest::startClient() {
    ASSERT_GT(plat::shellExecute(0, "open", exe, "", client.path(), plat::SW_SHOWNORMAL), 32);
    ASSERT_NE(waitTop(kForm, kLogin), 0u) << "no login form";
    calibrate(kForm, kLogin, 651, 493);
}

void ClientTest::typeCredentials(const std::string& user, const std::string& password) {
    // Password first, then the user ID, each into the field under its point.
    ASSERT_TRUE(typeAt(kForm, kLogin, 484, 352, password));
    ASSERT_TRUE(typeAt(kForm, kLogin, 504, 322, user));
    ASSERT_TRUE(click(kForm, kLogin, 381, 412, "ＯＫ"));
}

void ClientTest::logIn() {
    startClient();
    typeCredentials(kUser, kPassword);
    ASSERT_NE(waitByCaption(kForm, kLogin, 249, 127, "取得しない"), 0u);
    ASSERT_NE(waitByCaption(kForm, kLogin, 99, 127, "取得する"), 0u);
}

void ClientTest::runTransfer() {
    const plat::Hwnd ok = waitByCaption(kForm, kComm, 132, 115, "ＯＫ");
    ASSERT_NE(ok, 0u) << "no 通信 form";
    ASSERT_TRUE(click(kForm, kComm, 132, 115, "ＯＫ"));
    ASSERT_TRUE(waitHidden(ok)) << "ＯＫ stays while the transfer runs";
    ASSERT_TRUE(waitGone(kForm, kComm, 60'000));
}

void ClientTest::fetchTerms() {
    ASSERT_TRUE(click(kForm, kLogin, 99, 127, "取得する"));
    runTransfer();
    ASSERT_NE(waitTop(kForm, kVenues), 0u);
}

void ClientTest::skipTerms() {
    ASSERT_TRUE(click(kForm, kLogin, 249, 127, "取得しない"));
    ASSERT_NE(waitTop(kForm, kVenues), 0u);
}

void ClientTest::openVoteAt(const char* venueName, int x, int y) {
    // The venue guide is operated with the login form's scale.
    ASSERT_NE(waitByCaption(kForm, kVenues, x, y, venueName), 0u);
    ASSERT_TRUE(click(kForm, kVenues, x, y, venueName));
    ASSERT_NE(waitTop(kForm, kVote), 0u);
    calibrateVote();
}

plat::Hwnd ClientTest::numberGrid(plat::Rect& client) {
    const plat::Hwnd frame = findByCaption(kForm, kVote, 292, 90, "馬番／枠番");
    const plat::Hwnd grid = frame != 0 ? getWindow(frame, plat::GW_CHILD) : 0;
    client = {};
    if (grid != 0) plat::getClientRect(grid, client);
    return grid;
}

void ClientTest::clickHorse(int n) {
    plat::Rect r;
    const plat::Hwnd grid = numberGrid(r);
    ASSERT_NE(grid, 0u);
    ASSERT_GE(r.height(), 20);
    const int col = (n - 1) % 9;
    const int row = (n - 1) / 9;
    clickAt(grid, {(2 * col + 1) * r.width() / 18, r.height() * (2 * row + 1) / 4});
}

void ClientTest::clickBracket(int n) {
    plat::Rect r;
    const plat::Hwnd grid = numberGrid(r);
    ASSERT_NE(grid, 0u);
    ASSERT_LT(r.height(), 20);
    clickAt(grid, {static_cast<int>(r.width() * 0.10344827586206896 * ((n - 1) % 9 + 0.5)), r.height() / 2});
}

void ClientTest::typeAmount(int yen) {
    ASSERT_TRUE(click(kForm, kVote, 561, 152, "Ｃ"));
    const std::string digits = std::to_string(yen / 100);
    for (char d : digits) {
        const Key& key = kKeys[d - '0'];
        ASSERT_TRUE(click(kForm, kVote, key.x, key.y, key.caption));
    }
}

void ClientTest::enterBet(const std::string& venue, int race, const std::string& kind, std::vector<int> numbers,
                          int yen) {
    ASSERT_TRUE(selectItem(kVote, "場名", venue, 92, 71));
    ASSERT_TRUE(selectItem(kVote, "ﾚｰｽ番号", betclient::raceItem(race), 92, 199));
    for (const KindOption& k : kKinds) {
        if (kind == k.caption) {
            ASSERT_TRUE(check(kForm, kVote, 57, k.y, k.caption));
        }
    }
    const bool pair = kind == "枠連" || kind == "馬連";
    const plat::Hwnd wheel = findByCaption(kForm, kVote, 227, 151, "総流し");
    ASSERT_NE(wheel, 0u);
    EXPECT_EQ(plat::isWindowEnabled(wheel), pair) << "総流し only for 枠連 and 馬連";
    if (pair) {
        ASSERT_TRUE(check(kForm, kVote, 227, 151, "総流し"));
        ASSERT_TRUE(check(kForm, kVote, 163, 151, "通常"));
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (kind != "枠連") {
            clickHorse(numbers[i]);
        } else {
            clickBracket(i == 1 && numbers[1] == numbers[0] ? 9 : numbers[i]);
        }
    }
    typeAmount(yen);
    ASSERT_TRUE(click(kForm, kVote, 537, 263, "Ｏ　Ｋ"));
}

void ClientTest::openConfirm() {
    ASSERT_TRUE(click(kForm, kVote, 161, 394, "投  票"));
    ASSERT_NE(waitTop(kForm, kConfirm), 0u);
}

void ClientTest::typeTotal(long long yen) {
    // The first tab stop among the form's own children that covers the point.
    const plat::Hwnd form = findWindow(kForm, kConfirm);
    plat::Rect formRect;
    plat::getWindowRect(form, formRect);
    const plat::Point p = scaled(387, 128);
    plat::Hwnd field = 0;
    for (plat::Hwnd c = getWindow(form, plat::GW_CHILD); c != 0 && field == 0; c = getWindow(c, plat::GW_HWNDNEXT)) {
        plat::Rect r;
        plat::getWindowRect(c, r);
        const int left = r.left - formRect.left;
        const int top = r.top - formRect.top;
        if ((plat::getStyle(c) & plat::WS_TABSTOP) && p.x >= left && p.x <= left + r.width() && p.y >= top &&
            p.y <= top + r.height()) {
            field = c;
        }
    }
    ASSERT_NE(field, 0u);
    type(field, std::to_string(yen));
}

void ClientTest::pressSubmit(bool forced) {
    ASSERT_TRUE(forced ? click(kForm, kConfirm, 160, 201, "強制投票") : click(kForm, kConfirm, 62, 202, "通常投票"));
}

void ClientTest::submitGroup(long long yen, bool forced) {
    typeTotal(yen);
    pressSubmit(forced);
    runTransfer();
}

void ClientTest::openInfoForm() {
    calibrate(kForm, kMenu, 711, 87);
    ASSERT_TRUE(click(kForm, kMenu, 155, 69, "パドック"));
    ASSERT_NE(waitTop(kForm, kInfo), 0u);
    calibrate(kForm, kInfo, 758, 412);
}

void ClientTest::acknowledgeVote() {
    ASSERT_NE(waitByCaption(kBox, kInfoBox, 222, 88, "OK"), 0u) << "no message after the vote";
    ASSERT_TRUE(answerBox(kInfoBox, 222, 88, "OK"));
    ASSERT_NE(waitByCaption(kForm, kResult, 48, 445, "閉じる"), 0u);
    ASSERT_TRUE(click(kForm, kResult, 48, 445, "閉じる"));
    ASSERT_TRUE(waitGone(kForm, kResult));
}

}  // namespace clienttest
