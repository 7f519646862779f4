#include "betclient/forms/vote_form.h"

#include <algorithm>
#include <cstdio>

#include "betclient/centre/venues.h"
#include "betclient/client_app.h"
#include "betclient/controls.h"
#include "betclient/format.h"
#include "betclient/messages.h"

namespace betclient {

namespace {

using namespace plat;

enum Id {
    kDayId = 1, kVenueId, kRaceId, kGridId,
    kDigitId = 10,  // 10 .. 19: the keypad's digits 0 .. 9
    kClearId = 20, kConfirmBetId, kVoteId, kCancelAllId, kCloseId,
    kKindId = 30,   // 30 .. 33: 単勝 複勝 枠連 馬連
    kNormalId = 40, kWheelId,
};

// Each frame holds its drop-down list as its first child; the lists cover
// the points (92, 71), (92, 138) and (92, 199).
constexpr DesignRect kHeader{15, 26, 460, 46};
constexpr DesignRect kVenueFrame{15, 50, 135, 95};
constexpr DesignRect kVenueCombo{25, 62, 125, 84};
constexpr DesignRect kDayFrame{15, 112, 135, 162};
constexpr DesignRect kDayCombo{25, 127, 125, 149};
constexpr DesignRect kRaceFrame{15, 170, 135, 224};
constexpr DesignRect kRaceCombo{25, 188, 125, 210};
constexpr DesignRect kKindFrame{15, 232, 135, 350};
constexpr std::array<DesignRect, 4> kKindOptions = {{
    {25, 249, 125, 269},  // 単勝 (57, 259)
    {25, 271, 125, 291},  // 複勝 (57, 281)
    {25, 296, 125, 316},  // 枠連 (57, 306)
    {25, 321, 125, 341},  // 馬連 (57, 331)
}};
constexpr std::array<const char*, 4> kKindCaptions = {"単勝", "複勝", "枠連", "馬連"};
constexpr DesignRect kMethodFrame{140, 126, 270, 170};
constexpr DesignRect kNormalOption{148, 141, 196, 161};  // 通常 (163, 151)
constexpr DesignRect kWheelOption{200, 141, 264, 161};   // 総流し (227, 151)
// The grid is the first child of its frame and covers (292, 90): two rows
// of at least 20 pixels for horses, one row under 20 pixels (also at 1.5
// times the size) for brackets.
constexpr DesignRect kNumberFrame{280, 72, 468, 240};
constexpr DesignRect kHorseGrid{286, 84, 466, 132};
constexpr DesignRect kBracketGrid{286, 84, 460, 96};
constexpr DesignRect kChosen{286, 200, 466, 230};
// Keypad: three columns at x 493, 538, 583 and four rows at y 73, 100, 126,
// 152; "０" in the first column of the last row and "Ｃ" (561, 152) across
// the other two.
constexpr DesignRect kKeypadFrame{469, 48, 612, 225};
constexpr std::array<int, 3> kKeyLeft = {473, 518, 563};
constexpr int kKeyWidth = 41;
constexpr std::array<int, 4> kKeyTop = {62, 89, 115, 141};
constexpr int kKeyHeight = 22;
constexpr std::array<const char*, 10> kDigitCaptions = {"０", "１", "２", "３", "４",
                                                        "５", "６", "７", "８", "９"};
constexpr DesignRect kClearKey{518, 141, 604, 163};
constexpr DesignRect kAmount{473, 196, 604, 218};
constexpr DesignRect kConfirmBet{490, 248, 590, 278};  // "Ｏ　Ｋ" (537, 263)
constexpr DesignRect kPendingList{145, 250, 468, 372};
constexpr DesignRect kPendingTotal{476, 290, 626, 372};
constexpr DesignRect kVote{110, 380, 215, 410};        // "投  票" (161, 394)
constexpr DesignRect kCancelAll{225, 380, 330, 410};
constexpr DesignRect kClose{520, 380, 620, 410};

constexpr std::array<const char*, 2> kDayItems = {"当日", "前日"};
constexpr int kRaces = 12;
constexpr long long kYenPerUnit = 100;

// The key of a digit: 7 8 9 / 4 5 6 / 1 2 3 / 0.
DesignRect keyRect(int digit) {
    const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
    const int column = digit == 0 ? 0 : (digit - 1) % 3;
    const int left = kKeyLeft[static_cast<std::size_t>(column)];
    const int top = kKeyTop[static_cast<std::size_t>(row)];
    return {left, top, left + kKeyWidth, top + kKeyHeight};
}

const char* problemText(EntryProblem problem) {
    switch (problem) {
    case EntryProblem::NoKind: return text::kNoKind;
    case EntryProblem::PreviousDay: return text::kPreviousDay;
    case EntryProblem::NoRace: return text::kNoRace;
    case EntryProblem::PairMethod: return text::kPairMethod;
    case EntryProblem::PairWheel: return text::kPairWheel;
    case EntryProblem::SingleNumber: return text::kSingleNumber;
    case EntryProblem::PairNumbers: return text::kPairNumbers;
    case EntryProblem::Amount: return text::kAmount;
    case EntryProblem::None: break;
    }
    return "";
}

bool isEntryCheck(EntryProblem problem) {
    return problem == EntryProblem::PairMethod || problem == EntryProblem::PairWheel ||
           problem == EntryProblem::SingleNumber || problem == EntryProblem::PairNumbers ||
           problem == EntryProblem::Amount;
}

// The check a "validation" fault asks for.
EntryProblem faultProblem(const std::string& value) {
    if (value == "pair") return EntryProblem::PairMethod;
    if (value == "single") return EntryProblem::SingleNumber;
    if (value == "numbers") return EntryProblem::PairNumbers;
    return EntryProblem::Amount;
}

}  // namespace

const FormDesign VoteForm::kDesign{FormKind::Vote, "投票", {638, 430}};

VoteForm::VoteForm(ClientApp& app, int venue) : Form(app, kDesign) {
    const centre::Day& day = app.day();
    for (const centre::Meeting& m : day.meetings) venues_.push_back(m.venue);
    entry_.venue = day.meetingAt(venue) != nullptr ? venue : venues_.empty() ? 0 : venues_.front();
    // The first race still on sale.
    const int now = centre::clockHhmm();
    for (int r = 1; r <= kRaces; ++r) {
        const centre::Race* candidate = day.race(entry_.venue, r);
        entry_.race = r;
        if (candidate && candidate->saleCode > 0 && !centre::salesClosed(*candidate, now)) break;
    }
    entry_.kind = centre::Kind::Win;
}

void VoteForm::build() {
    const centre::Day& day = app_.day();
    addLabel(dateText(day.year, day.month, day.day) + "　投票", kHeader);
    buildSelectors();
    buildKeypad();
    addButton("Ｏ　Ｋ", kConfirmBet, kConfirmBetId);
    pendingList_ = addControl(0, "Edit", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL, kPendingList);
    pendingTotal_ = addLabel("", kPendingTotal);
    addButton("投  票", kVote, kVoteId);
    addButton("取消", kCancelAll, kCancelAllId);
    addButton("閉じる", kClose, kCloseId);
    showEntry();
    showPending();
}

void VoteForm::buildSelectors() {
    const Hwnd venueFrame = addFrame("場名", kVenueFrame);
    venueCombo_ = addCombo(kVenueCombo, kVenueId, venueFrame);
    for (int venue : venues_) {
        const std::string name(centre::venueName(venue));
        sendMessage(venueCombo_, CB_ADDSTRING, 0, reinterpret_cast<Lparam>(name.c_str()));
    }
    const Hwnd dayFrame = addFrame("当日/前日", kDayFrame);
    dayCombo_ = addCombo(kDayCombo, kDayId, dayFrame);
    for (const char* item : kDayItems) sendMessage(dayCombo_, CB_ADDSTRING, 0, reinterpret_cast<Lparam>(item));
    const Hwnd raceFrame = addFrame("ﾚｰｽ番号", kRaceFrame);
    raceCombo_ = addCombo(kRaceCombo, kRaceId, raceFrame);
    for (int r = 1; r <= kRaces; ++r) {
        const std::string item = raceItem(r);
        sendMessage(raceCombo_, CB_ADDSTRING, 0, reinterpret_cast<Lparam>(item.c_str()));
    }

    const Hwnd kindFrame = addFrame("式別", kKindFrame);
    for (std::size_t k = 0; k < kKindOptions.size(); ++k) {
        kindOptions_[k] = addOption(kKindCaptions[k], kKindOptions[k], kKindId + static_cast<int>(k), kindFrame);
    }
    const Hwnd methodFrame = addFrame("方式", kMethodFrame);
    normal_ = addOption("通常", kNormalOption, kNormalId, methodFrame);
    wheel_ = addOption("総流し", kWheelOption, kWheelId, methodFrame);

    const Hwnd numberFrame = addFrame("馬番／枠番", kNumberFrame);
    grid_.attach(addControl(numberFrame, kGridClass, "", 0, kHorseGrid, kGridId));
    chosen_ = addLabel("", kChosen, numberFrame);
}

void VoteForm::buildKeypad() {
    const Hwnd keypad = addFrame("金額（100円単位）", kKeypadFrame);
    for (int digit = 9; digit >= 0; --digit) {
        addButton(kDigitCaptions[static_cast<std::size_t>(digit)], keyRect(digit), kDigitId + digit, keypad);
    }
    addButton("Ｃ", kClearKey, kClearId, keypad);
    amount_ = addLabel("", kAmount, keypad);
}

const centre::Race* VoteForm::race() const { return app_.day().race(entry_.venue, entry_.race); }

void VoteForm::chooseVenue(int venue) {
    if (app_.day().meetingAt(venue) == nullptr || venue == entry_.venue) return;
    entry_.venue = venue;
    entry_.numbers.clear();
    sameBracketNotice_ = false;
    showEntry();
}

void VoteForm::onCommand(int id, int code, Hwnd) {
    if (id == kDayId || id == kVenueId || id == kRaceId) {
        if (code == static_cast<int>(CBN_SELCHANGE)) onSelection(id);
        return;
    }
    if (id == kGridId) {
        onCell(code);
        return;
    }
    if (code != static_cast<int>(BN_CLICKED)) return;
    if (id >= kDigitId && id < kDigitId + 10) {
        pressDigit(entry_, id - kDigitId);
    } else if (id >= kKindId && id < kKindId + 4) {
        if (entry_.kind != centre::kAllKinds[static_cast<std::size_t>(id - kKindId)]) sameBracketNotice_ = false;
        chooseKind(entry_, centre::kAllKinds[static_cast<std::size_t>(id - kKindId)], app_.timing().ideal());
    } else if (id == kNormalId || id == kWheelId) {
        chooseMethod(entry_, id == kWheelId);
    } else if (id == kClearId) {
        clearAmount(entry_);
    } else if (id == kConfirmBetId) {
        confirmBet();
        return;
    } else if (id == kVoteId) {
        app_.openConfirm();
        return;
    } else if (id == kCancelAllId) {
        if (!app_.transferBusy()) app_.pending().clear();
        app_.pendingChanged();
        return;
    } else if (id == kCloseId) {
        close();
        return;
    }
    showEntry();
}

void VoteForm::onSelection(int id) {
    const Hwnd combo = id == kDayId ? dayCombo_ : id == kVenueId ? venueCombo_ : raceCombo_;
    const int index = static_cast<int>(sendMessage(combo, CB_GETCURSEL, 0, 0));
    if (index < 0) return;
    if (id == kDayId) entry_.dayIndex = index;
    if (id == kVenueId && index < static_cast<int>(venues_.size())) entry_.venue = venues_[static_cast<std::size_t>(index)];
    if (id == kRaceId) entry_.race = index + 1;
    entry_.numbers.clear();
    sameBracketNotice_ = false;
    showEntry();
}

void VoteForm::onCell(int cell) {
    if (!cellOpen(entry_, race(), cell)) return;
    clickCell(entry_, cell);
    showEntry();
    if (entry_.kind == centre::Kind::Bracket) announceSameBracket(cell);
}

// 同枠取消: the race has a bracket whose n-n pair is cancelled (or the
// fault says every race has); told once per click on a bracket concerned.
bool VoteForm::announceSameBracket(int cell) {
    const int bracket = cell == kSameBracketCell ? entry_.numbers.front() : cell;
    if (!sameBracketCancelled(race(), bracket) && !app_.faults().has(fault::kSameBracket)) return false;
    sameBracketNotice_ = true;
    app_.box(this, text::kInfoCaption, text::kSameBracket, box::kSameBracket);
    return true;
}

void VoteForm::confirmBet() {
    EntryProblem problem = checkEntry(entry_, app_.day());
    if (const auto forced = app_.faults().take(fault::kValidation)) problem = faultProblem(*forced);
    if (problem != EntryProblem::None) {
        app_.box(this, text::kInfoCaption, problemText(problem), isEntryCheck(problem) ? box::kEntryCheck : box::kNotice);
        return;
    }
    if (!app_.pending().add(expandEntry(entry_, app_.day()), sameBracketNotice_)) {
        app_.box(this, text::kInfoCaption, text::kTooMany, box::kNotice);
        return;
    }
    // Amount, kind, racecourse and race stay for the next bet; a digit
    // pressed now starts a new amount.
    entry_.numbers.clear();
    entry_.amountTaken = true;
    sameBracketNotice_ = false;
    showEntry();
    app_.pendingChanged();
}

void VoteForm::showEntry() {
    if (!alive()) return;
    sendMessage(dayCombo_, CB_SETCURSEL, static_cast<Wparam>(entry_.dayIndex), 0);
    const auto venueAt = std::find(venues_.begin(), venues_.end(), entry_.venue);
    sendMessage(venueCombo_, CB_SETCURSEL,
                venueAt == venues_.end() ? static_cast<Wparam>(-1) : static_cast<Wparam>(venueAt - venues_.begin()), 0);
    sendMessage(raceCombo_, CB_SETCURSEL, static_cast<Wparam>(entry_.race - 1), 0);
    for (std::size_t k = 0; k < kindOptions_.size(); ++k) {
        setChecked(kindOptions_[k], entry_.kind == centre::kAllKinds[k]);
    }
    const bool pair = entry_.kind && centre::isPairKind(*entry_.kind);
    enableWindow(normal_, pair);
    enableWindow(wheel_, pair);
    setChecked(normal_, pair && entry_.wheel == false);
    setChecked(wheel_, pair && entry_.wheel == true);
    showGrid();
    setWindowText(amount_, formatYen(entry_.units * kYenPerUnit));
}

void VoteForm::showGrid() {
    const auto mode = entry_.kind == centre::Kind::Bracket ? NumberGrid::Mode::Brackets : NumberGrid::Mode::Horses;
    if (mode != grid_.mode()) moveControl(grid_.hwnd(), mode == NumberGrid::Mode::Brackets ? kBracketGrid : kHorseGrid);
    std::vector<bool> open;
    for (int cell = 1; cell <= NumberGrid::cellCount(mode); ++cell) open.push_back(cellOpen(entry_, race(), cell));
    grid_.show(mode, open, entry_.numbers);

    std::string chosen = "選択：";
    for (std::size_t i = 0; i < entry_.numbers.size(); ++i) {
        char number[8];
        std::snprintf(number, sizeof number, i == 0 ? "%02d" : "-%02d", entry_.numbers[i] % 100);
        chosen += number;
    }
    setWindowText(chosen_, chosen);
}

void VoteForm::showPending() {
    if (!alive()) return;
    const PendingBets& pending = app_.pending();
    std::string list;
    for (const std::string& line : pending.lines()) list += line + "\r\n";
    setWindowText(pendingList_, list);
    char total[96];
    std::snprintf(total, sizeof total, "件数　%zu件\n合計　%s", pending.size(), formatYen(pending.totalYen()).c_str());
    setWindowText(pendingTotal_, total);
}

}  // namespace betclient
