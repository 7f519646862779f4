#include "betdata/sort_and_merge.h"

#include <utility>

namespace betdata {

void SortAndMerge(BetTable& table) {
    auto& e = table.entries;
    for (int i = 0; i + 1 < table.count; ++i)
        for (int j = i + 1; j < table.count; ++j)
            if (base::compareIdentity(e[i], e[j]) > 0) std::swap(e[i], e[j]);

    int i = 0;
    while (i + 1 < table.count) {
        const int sum = e[i].amount + e[i + 1].amount;
        if (base::compareIdentity(e[i], e[i + 1]) == 0 && sum < kMergeLimitUnits) {
            e[i].amount = static_cast<std::int16_t>(sum);
            for (int k = i + 1; k + 1 < table.count; ++k) e[k] = e[k + 1];
            e[--table.count] = base::BetLine{};
        } else {
            ++i;
        }
    }
}

}  // namespace betdata
