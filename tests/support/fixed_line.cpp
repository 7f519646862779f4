#include "support/fixed_line.h"

namespace testsupport {

FixedLine::FixedLine(std::size_t width, char fill) : line_(width, fill), fill_(fill) {}

FixedLine& FixedLine::text(std::size_t column, const std::string& text) {
    if (line_.size() < column + text.size()) line_.resize(column + text.size(), fill_);
    line_.replace(column, text.size(), text);
    return *this;
}

FixedLine& FixedLine::number(std::size_t column, std::size_t width, long long value, char pad) {
    std::string digits = std::to_string(value);
    if (digits.size() > width) digits = digits.substr(digits.size() - width);
    return text(column, std::string(width - digits.size(), pad) + digits);
}

}  // namespace testsupport
