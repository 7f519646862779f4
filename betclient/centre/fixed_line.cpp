#include "betclient/centre/fixed_line.h"

#include <algorithm>

#include "platform/sjis.h"

namespace centre {

FixedLine& FixedLine::number(Column c, long long value, Pad pad) {
    long long largest = 1;
    for (int i = 0; i < c.width; ++i) largest *= 10;
    value = std::clamp(value, 0LL, largest - 1);
    std::string digits = std::to_string(value);
    std::string field(static_cast<std::size_t>(c.width) - digits.size(), pad == Pad::Zero ? '0' : ' ');
    put(c.at, field + digits);
    return *this;
}

FixedLine& FixedLine::text(Column c, std::string_view bytes) {
    std::size_t n = 0;
    while (n < bytes.size()) {
        std::size_t step = sjis::isLeadByte(static_cast<unsigned char>(bytes[n])) ? 2 : 1;
        if (n + step > static_cast<std::size_t>(c.width)) break;
        n += step;
    }
    std::string field(bytes.substr(0, n));
    field.resize(static_cast<std::size_t>(c.width), ' ');
    put(c.at, field);
    return *this;
}

FixedLine& FixedLine::extendTo(int length) {
    if (line_.size() < static_cast<std::size_t>(length)) line_.resize(static_cast<std::size_t>(length), ' ');
    return *this;
}

void FixedLine::put(int at, std::string_view bytes) {
    extendTo(at + static_cast<int>(bytes.size()));
    line_.replace(static_cast<std::size_t>(at), bytes.size(), bytes);
}

}  // namespace centre
