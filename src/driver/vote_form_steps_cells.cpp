// Clicks into the vote form's number grid: horses in two rows of nine,
// brackets in one row of nine narrower cells (cell 9 pairs the chosen
// bracket with itself).
#include "driver/client_box.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/input.h"
#include "driver/vote_form_steps.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kGridColumns = 9;
// The horse grid has two rows and is at least this high; the bracket grid
// has one row and is lower.
constexpr int kTwoRowGridMinHeight = 20;
// Width of a bracket cell as a share of the grid's width (3/29).
constexpr double kBracketCellShare = 0.10344827586206896;
// How long the client may take to announce a cancelled same-bracket pair.
constexpr std::uint32_t kSameBracketBoxActionWaits = 2;
constexpr int kSameBracketOkPresses = 6;

}  // namespace

plat::Hwnd FindNumberGrid(const DriverState& driver) {
    const plat::Hwnd frame = FindOnForm(driver, kVoteNumberFrame);
    if (frame == 0) return 0;
    return ChildCovering(frame, TopLevelOf(frame), Scaled(driver, kVoteNumberFrame.at));
}

bool ClickNumberCell(const DriverState& driver, int n) {
    const plat::Hwnd grid = FindNumberGrid(driver);
    if (grid == 0 || n < 1) return false;
    plat::Rect size;
    plat::getClientRect(grid, size);
    const int h = size.height();
    if (h < kTwoRowGridMinHeight) return false;
    const int col = (n - 1) % kGridColumns;
    const int row = (n - 1) / kGridColumns;
    const plat::Point point{(2 * col + 1) * size.width() / (2 * kGridColumns), h * (2 * row + 1) / 4};
    const std::uint32_t pause = CurrentWaits(driver).message;
    return ClickAt(driver, grid, point, {pause, pause, pause});
}

bool ClickBracketCell(DriverState& driver, int n) {
    const plat::Hwnd grid = FindNumberGrid(driver);
    if (grid == 0 || n < 1) return false;
    plat::Rect size;
    plat::getClientRect(grid, size);
    const int h = size.height();
    if (h >= kTwoRowGridMinHeight) return false;
    const int col = (n - 1) % kGridColumns;
    const plat::Point point{static_cast<int>(size.width() * kBracketCellShare * (col + 0.5)), h / 2};
    const Waits waits = CurrentWaits(driver);
    if (!ClickAt(driver, grid, point, {waits.message, waits.message, 0})) return false;
    if (WaitClientBoxText(driver, kSameBracketText, Times(kSameBracketBoxActionWaits, waits.action)) == 0)
        return true;
    return AnswerSameBracketBox(driver, waits.message);
}

bool AnswerSameBracketBox(DriverState& driver, std::uint32_t pauseMs) {
    driver.entry.sameBracketSeen = 1;
    const std::uint32_t gone = CurrentWaits(driver).action;
    for (int press = 0; press < kSameBracketOkPresses; ++press) {
        AnswerClientBox(driver, kSameBracketOk);
        plat::sleep(pauseMs);
        if (WaitClientBoxText(driver, kSameBracketText, gone) == 0) return true;
    }
    return false;
}

}  // namespace driver
