#include "analysis/OddsRanking.h"

#include "analysis/OddsText.h"

#include <algorithm>

namespace zefa {

void OddsRanking::add(int horse, double odds, double otherOdds, int tenkaiRank) {
    entries_.push_back({oddsTenths(odds), oddsTenths(otherOdds), tenkaiRank, horse});
}

ByHorse<int> OddsRanking::ranks() const {
    std::vector<Entry> sorted = entries_;
    std::sort(sorted.begin(), sorted.end());
    ByHorse<int> ranks{};
    for (size_t p = 0; p < sorted.size(); ++p) ranks[size_t(sorted[p].horse)] = int(p + 1);
    return ranks;
}

} // namespace zefa
