#include "betdata/normalize_wide_digits.h"

#include "platform/sjis.h"

namespace betdata {

namespace {

// Shift-JIS codes: "０".."９" are 82 4F..82 58, "　" is 81 40.
constexpr unsigned char kWideDigitLead = 0x82;
constexpr unsigned char kWideZeroTrail = 0x4F;
constexpr unsigned char kWideNineTrail = 0x58;
constexpr unsigned char kWideSpaceLead = 0x81;
constexpr unsigned char kWideSpaceTrail = 0x40;
constexpr char kWalkEnd = '[';

}  // namespace

void NormalizeWideDigits(std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == static_cast<unsigned char>(kWalkEnd)) return;
        if (!sjis::isLeadByte(lead) || i + 1 >= text.size()) {
            ++i;
            continue;
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == kWideDigitLead && trail >= kWideZeroTrail && trail <= kWideNineTrail) {
            text.replace(i, 2, 1, static_cast<char>('0' + (trail - kWideZeroTrail)));
            ++i;
        } else if (lead == kWideSpaceLead && trail == kWideSpaceTrail) {
            text.replace(i, 2, "  ");
            i += 2;
        } else {
            i += 2;
        }
    }
}

}  // namespace betdata
