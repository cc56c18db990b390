#pragma once

#include "analysis/RaceAnalysis.h"

#include <vector>

namespace zefa {

// A popularity ranking of a race's horses: ascending by odds, then by the other odds of the
// horse, then by development rank (0, unranked, first), then by horse number. Odds compare in
// tenths, so values that print alike tie.
class OddsRanking {
public:
    void add(int horse, double odds, double otherOdds, int tenkaiRank);

    // Number of horses in the ranking.
    int size() const { return int(entries_.size()); }
    // Rank 1.. of every horse in the ranking; 0 for the others.
    ByHorse<int> ranks() const;

private:
    struct Entry {
        long long odds;
        long long otherOdds;
        int tenkaiRank;
        int horse;
        auto operator<=>(const Entry&) const = default;
    };
    std::vector<Entry> entries_;
};

} // namespace zefa
