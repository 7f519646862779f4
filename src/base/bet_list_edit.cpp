#include "base/bet_list_edit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/window.h"

namespace base {

namespace {

// EM_GETLINE takes the buffer's capacity in its first 16-bit word.
constexpr std::size_t kSizeWordBytes = sizeof(std::uint16_t);
constexpr std::size_t kMaxLineRead = 0xFFFF;

void selectEnd(plat::Hwnd edit) {
    auto length = static_cast<plat::Wparam>(plat::sendMessage(edit, plat::WM_GETTEXTLENGTH, 0, 0));
    plat::sendMessage(edit, plat::EM_SETSEL, length, static_cast<plat::Lparam>(length));
}

}  // namespace

int EditBetList::lineCount() {
    return static_cast<int>(plat::sendMessage(edit_, plat::EM_GETLINECOUNT, 0, 0));
}

std::size_t EditBetList::readLine(int index, char* buffer, std::size_t size) {
    if (size == 0) return 0;
    buffer[0] = '\0';
    if (size <= kSizeWordBytes) return 0;
    // One byte stays free for the terminating NUL the control does not write.
    std::size_t capacity = std::min(size - 1, kMaxLineRead);
    auto word = static_cast<std::uint16_t>(capacity);
    std::memcpy(buffer, &word, kSizeWordBytes);
    plat::Lresult copied = plat::sendMessage(edit_, plat::EM_GETLINE, static_cast<plat::Wparam>(index),
                                             reinterpret_cast<plat::Lparam>(buffer));
    std::size_t length = copied < 0 ? 0 : std::min(static_cast<std::size_t>(copied), capacity);
    buffer[length] = '\0';
    return length;
}

void EditBetList::clear() {
    plat::sendMessage(edit_, plat::EM_SETSEL, 0, -1);
    plat::sendMessage(edit_, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(""));
}

void EditBetList::append(const char* text) {
    selectEnd(edit_);
    plat::sendMessage(edit_, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(text));
}

void EditBetList::showEnd() {
    selectEnd(edit_);
    plat::sendMessage(edit_, plat::EM_SCROLLCARET, 0, 0);
}

}  // namespace base
