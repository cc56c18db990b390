#pragma once

#include "jvdata/BetType.h"

#include <array>
#include <span>
#include <vector>

namespace zefa {

// Pari-mutuel odds of one race from the market's win probabilities. Every bettor stakes on a
// combination in proportion to its chance by the Harville formulas (the chance that horse j is
// second is its win chance among the rest), and the pool pays out JRA's share of each bet type.

inline constexpr long long kNotSold = 0;    // odds of a combination not in this race
inline constexpr long long kCancelled = -1; // odds of a combination with a scratched horse

// Odds in tenths by ordinal (index ordinal - 1); `high` differs from `low` only for place and wide.
struct TypeOdds {
    std::vector<long long> low;
    std::vector<long long> high;
    std::vector<int> popularity; // 1 = lowest odds, ties in ordinal order; 0 when not sold or cancelled
};

class Market {
public:
    // `win` and `placeBasis` by horse number 1..registered (index 0 unused), 0 for a scratched horse;
    // place stakes follow the Harville chances of `placeBasis`, the rest those of `win`.
    Market(std::vector<double> win, std::vector<double> placeBasis, int registered);

    const TypeOdds& odds(BetType type) const { return odds_[size_t(type)]; }
    // Places paid: three, or two with fewer than eight starters.
    int placesPaid() const { return placesPaid_; }
    // The odds (tenths) a winning combination pays when `top` are the first three home.
    long long paidOdds(BetType type, int ordinal, std::span<const int> top) const;

private:
    bool bracketPairInRace(int a, int b) const;
    long long poolOdds(BetType type, double share, double othersPaid) const;
    void price(BetType type);

    std::vector<double> win_;
    int registered_;
    int placesPaid_;
    std::array<std::vector<double>, 8> shares_; // stake share of every ordinal, by type
    std::array<TypeOdds, 8> odds_;
};

} // namespace zefa
