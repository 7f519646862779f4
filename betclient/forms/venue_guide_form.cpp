#include "betclient/forms/venue_guide_form.h"

#include <array>
#include <cstdio>

#include "betclient/centre/venues.h"
#include "betclient/client_app.h"

namespace betclient {

namespace {

using namespace plat;

constexpr int kCloseId = 100;  // venue buttons use their venue code as id

struct VenueButton {
    int venue;
    DesignRect rect;
};
// Centred on the map positions: 中山 (687, 293), 京都 (507, 301), 東京 (635, 346),
// 阪神 (466, 335), 中京 (593, 380), 小倉 (402, 361), 新潟 (526, 241),
// 福島 (674, 241), 函館 (657, 147), 札幌 (530, 117).
constexpr std::array<VenueButton, 10> kVenueButtons = {{
    {6, {650, 281, 724, 305}},
    {8, {470, 289, 544, 313}},
    {5, {598, 334, 672, 358}},
    {9, {429, 323, 503, 347}},
    {7, {556, 368, 630, 392}},
    {10, {365, 349, 439, 373}},
    {4, {489, 229, 563, 253}},
    {3, {637, 229, 711, 253}},
    {2, {620, 135, 694, 159}},
    {1, {493, 105, 567, 129}},
}};

constexpr DesignRect kGuide{20, 30, 420, 52};
constexpr DesignRect kMeetings{20, 60, 330, 130};
constexpr DesignRect kClose{20, 390, 110, 416};

}  // namespace

const FormDesign VenueGuideForm::kDesign{FormKind::Venues, "開催場案内", {760, 430}};

void VenueGuideForm::build() {
    addLabel("投票する開催場を選んでください。", kGuide);
    std::string meetings;
    for (const centre::Meeting& m : app_.day().meetings) {
        char line[48];
        std::snprintf(line, sizeof line, "%s　%d回%d日目\n", std::string(centre::venueName(m.venue)).c_str(),
                      m.kai, m.nichime);
        meetings += line;
    }
    addLabel(meetings.empty() ? std::string("本日の開催はありません。") : meetings, kMeetings);
    for (const VenueButton& b : kVenueButtons) {
        const Hwnd button = addButton(std::string(centre::venueName(b.venue)), b.rect, b.venue);
        enableWindow(button, app_.day().meetingAt(b.venue) != nullptr);
    }
    addButton("閉じる", kClose, kCloseId);
}

void VenueGuideForm::onCommand(int id, int code, Hwnd) {
    if (code != BN_CLICKED) return;
    if (id == kCloseId) {
        close();
    } else if (app_.day().meetingAt(id) != nullptr) {
        app_.openVote(id);
        close();
    }
}

}  // namespace betclient
