// Data exchange between a dialog's controls and its values, with the
// dialog framework's standard validation messages.
#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/dialog.h"

namespace plat {
namespace {

// The framework's messages for fields that fail validation.
constexpr const char* kIntegerRequiredMessage = "整数を入力してください。";
constexpr const char* kIntegerRangeFormat = "%d から %d までの整数を入力してください。";
constexpr const char* kTextTooLongFormat = "%d 文字以内で入力してください。";

// Beyond every int, so that a huge number still fails the range check
// instead of overflowing.
constexpr long long kSaturation = 1'000'000'000'000LL;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// An optional sign and at least one digit, with blanks allowed around them
// (a number typed with a trailing blank is still that number).
std::optional<long long> parseInteger(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const std::size_t digitsStart = at;
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min(value * 10 + (text[at] - '0'), kSaturation);
    }
    if (at == digitsStart) return std::nullopt;
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at != text.size()) return std::nullopt;
    return negative ? -value : value;
}

// A control's whole text, however long.
std::string controlText(Hwnd control) {
    const Lresult length = sendMessage(control, WM_GETTEXTLENGTH, 0, 0);
    return getWindowText(control, static_cast<std::size_t>(length > 0 ? length : 0) + 1);
}

template <class... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

}  // namespace

void DataExchange::integer(int id, int& value, int min, int max) {
    const Hwnd control = dialog_.item(id);
    if (failed_ || control == 0) return;
    if (!save_) {
        setWindowText(control, std::to_string(value));
        return;
    }
    const std::optional<long long> parsed = parseInteger(controlText(control));
    if (!parsed) {
        fail(id, kIntegerRequiredMessage);
    } else if (*parsed < min || *parsed > max) {
        fail(id, format(kIntegerRangeFormat, min, max));
    } else {
        value = static_cast<int>(*parsed);
    }
}

void DataExchange::text(int id, std::string& value, std::size_t maxLength) {
    const Hwnd control = dialog_.item(id);
    if (failed_ || control == 0) return;
    if (!save_) {
        if (maxLength > 0) sendMessage(control, EM_LIMITTEXT, maxLength, 0);
        setWindowText(control, value);
        return;
    }
    std::string text = controlText(control);
    if (maxLength > 0 && text.size() > maxLength) {
        // Only text put there by the program can be longer than the limit.
        fail(id, format(kTextTooLongFormat, static_cast<int>(maxLength)));
        return;
    }
    value = std::move(text);
}

void DataExchange::check(int id, int& value) {
    const Hwnd control = dialog_.item(id);
    if (failed_ || control == 0) return;
    if (!save_) {
        sendMessage(control, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    value = sendMessage(control, BM_GETCHECK, 0, 0) == static_cast<Lresult>(BST_CHECKED) ? 1 : 0;
}

// Tells the user, puts the focus on the field with its text selected, and
// stops the exchange; the dialog stays open.
void DataExchange::fail(int id, const std::string& message) {
    failed_ = true;
    const Hwnd dialog = dialog_.hwnd();
    messageBox(dialog, message, getWindowText(dialog), MB_OK | MB_ICONEXCLAMATION);
    const Hwnd control = dialog_.item(id);
    if (control == 0) return;
    setFocus(control);
    sendMessage(control, EM_SETSEL, 0, -1);
}

}  // namespace plat
