// The bet list as the text of a multi-line edit control.
#pragma once

#include "base/bet_list_text.h"
#include "platform/wintypes.h"

namespace base {

class EditBetList : public BetListText {
public:
    explicit EditBetList(plat::Hwnd edit) : edit_(edit) {}
    plat::Hwnd edit() const { return edit_; }

    int lineCount() override;
    std::size_t readLine(int index, char* buffer, std::size_t size) override;
    void clear() override;
    void append(const char* text) override;
    void showEnd() override;

private:
    plat::Hwnd edit_;
};

}  // namespace base
