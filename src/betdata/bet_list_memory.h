// A bet list held in memory, with the line semantics of a multi-line edit.
#pragma once

#include <string>

#include "base/bet_list_text.h"

namespace betdata {

class MemoryBetList : public base::BetListText {
public:
    MemoryBetList() = default;
    explicit MemoryBetList(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }

    int lineCount() override;
    std::size_t readLine(int index, char* buffer, std::size_t size) override;
    void clear() override { text_.clear(); }
    void append(const char* text) override { text_ += text; }
    void showEnd() override {}

private:
    std::string text_;
};

}  // namespace betdata
