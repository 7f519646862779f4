#include "support/message_sequence.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace testsupport {

namespace {

const std::map<plat::Uint, const char*> kNames = {
    {plat::WM_CLOSE, "WM_CLOSE"},           {plat::WM_COMMAND, "WM_COMMAND"},
    {plat::WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {plat::WM_TIMER, "WM_TIMER"},
    {plat::WM_INITDIALOG, "WM_INITDIALOG"}, {plat::WM_DESTROY, "WM_DESTROY"},
    {plat::WM_SIZE, "WM_SIZE"},             {plat::WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
    {plat::WM_RBUTTONUP, "WM_RBUTTONUP"},   {plat::WM_ENABLE, "WM_ENABLE"},
    {plat::WM_SETICON, "WM_SETICON"},       {plat::WM_SETTEXT, "WM_SETTEXT"},
};

// Notification codes of edit controls start here (EN_SETFOCUS).
constexpr int kFirstEditNotification = 0x0100;

bool isEditNotification(const sim::TraceEvent& e) {
    return e.message == plat::WM_COMMAND && e.lParam != 0 && plat::hiWord(e.wParam) >= kFirstEditNotification;
}

std::string name(plat::Uint message) {
    auto it = kNames.find(message);
    if (it != kNames.end()) return it->second;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", message);
    return hex;
}

std::string describe(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam, std::int64_t gap) {
    std::string text = name(message);
    text += wParam == kAnyWparam ? " wParam *" : " wParam " + std::to_string(wParam);
    text += lParam == kAnyLparam ? " lParam *" : " lParam " + std::to_string(lParam);
    text += gap == kAnyGap ? " gap *" : " gap " + std::to_string(gap) + " ms";
    return text;
}

}  // namespace

::testing::AssertionResult MessagesMatch(const sim::Desktop& desktop, plat::Hwnd window,
                                         const std::vector<MessageRow>& rows, std::size_t from,
                                         std::int64_t since, const std::set<plat::Uint>& alsoWatched) {
    std::set<plat::Uint> named = alsoWatched;
    for (const MessageRow& row : rows) named.insert(row.message);
    std::vector<const sim::TraceEvent*> seen;
    const auto& trace = desktop.trace();
    for (std::size_t i = from; i < trace.size(); ++i) {
        const sim::TraceEvent& e = trace[i];
        if (e.kind == sim::TraceEvent::Kind::Message && (window == 0 || e.hwnd == window) && named.count(e.message) &&
            !isEditNotification(e))
            seen.push_back(&e);
    }
    std::int64_t previous = since;
    for (std::size_t i = 0; i < rows.size() || i < seen.size(); ++i) {
        const std::string position = "message " + std::to_string(i + 1) + ": ";
        if (i >= seen.size()) {
            const MessageRow& r = rows[i];
            return ::testing::AssertionFailure() << position << "expected " << describe(r.message, r.wParam, r.lParam, r.gapMs)
                                                 << ", got nothing more";
        }
        const sim::TraceEvent& e = *seen[i];
        const std::int64_t gap = e.timeMs - previous;
        if (i >= rows.size()) {
            return ::testing::AssertionFailure() << position << "expected nothing more, got "
                                                 << describe(e.message, e.wParam, e.lParam, gap);
        }
        const MessageRow& r = rows[i];
        const bool same = r.message == e.message && (r.wParam == kAnyWparam || r.wParam == e.wParam) &&
                          (r.lParam == kAnyLparam || r.lParam == e.lParam) && (r.gapMs == kAnyGap || r.gapMs == gap);
        if (!same) {
            return ::testing::AssertionFailure() << position << "expected " << describe(r.message, r.wParam, r.lParam, r.gapMs)
                                                 << ", got " << describe(e.message, e.wParam, e.lParam, gap);
        }
        previous = e.timeMs;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace testsupport
