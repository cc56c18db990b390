#include "sample/OddsModel.h"

#include "jvdata/Combinations.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zefa {
namespace {

constexpr int kFullPlaces = 3;
constexpr int kFewStarters = 8; // below this, two places are paid

// The share of the pool JRA pays back, by bet type.
constexpr std::array<double, 8> kPayback{0.80, 0.80, 0.775, 0.775, 0.775, 0.75, 0.75, 0.725};
// Winning combinations of one race, by bet type (place: placesPaid).
constexpr std::array<int, 8> kWinners{1, 0, 1, 1, 3, 1, 1, 1};
// Largest odds the record's field can hold, in tenths.
constexpr std::array<long long, 8> kHighest{9999, 9999, 99999, 999999, 99999, 999999, 999999, 9999999};
constexpr long long kLowest = 10; // JRA pays at least the stake back

using Triples = std::vector<double>; // [a][b][c] flattened, horse numbers 0..18

size_t at(int a, int b, int c) { return size_t((a * 19 + b) * 19 + c); }

Triples harville(const std::vector<double>& p) {
    Triples t(19 * 19 * 19, 0.0);
    const int n = int(p.size()) - 1;
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            for (int c = 1; c <= n; ++c) {
                if (a == b || a == c || b == c || p[a] <= 0 || p[b] <= 0 || p[c] <= 0) continue;
                t[at(a, b, c)] = p[a] * p[b] / (1 - p[a]) * p[c] / (1 - p[a] - p[b]);
            }
    return t;
}

std::vector<double> normalisedChances(std::vector<double> p) {
    const double sum = std::accumulate(p.begin(), p.end(), 0.0);
    for (double& x : p) x = sum > 0 ? x / sum : 0;
    return p;
}

// The ordinal of an unordered pair of horses (quinella and wide order).
int pairOrdinal(int a, int b) {
    const std::array<int, 2> pair{std::min(a, b), std::max(a, b)};
    return comboOrdinal(BetType::Wide, comboText(pair));
}

} // namespace

Market::Market(std::vector<double> win, std::vector<double> placeBasis, int registered)
    : win_(normalisedChances(std::move(win))), registered_(registered) {
    const int starters = int(std::count_if(win_.begin() + 1, win_.end(), [](double x) { return x > 0; }));
    placesPaid_ = starters < kFewStarters ? 2 : kFullPlaces;
    const Triples all = harville(win_);
    const Triples forPlace = harville(normalisedChances(std::move(placeBasis)));
    const int n = int(win_.size()) - 1;
    const auto inTop = [&](const Triples& t, int places, auto wanted) {
        double sum = 0;
        for (int a = 1; a <= n; ++a)
            for (int b = 1; b <= n; ++b)
                for (int c = 1; c <= n; ++c) {
                    const double q = t[at(a, b, c)];
                    if (q > 0 && wanted(a, b, places == 2 ? 0 : c)) sum += q;
                }
        return sum;
    };
    const auto quinellaChance = [&](int a, int b) {
        double q = 0;
        for (int c = 1; c <= n; ++c) q += all[at(a, b, c)] + all[at(b, a, c)];
        return q;
    };
    for (const BetTypeRow& row : kBetTypes) {
        std::vector<double>& shares = shares_[size_t(row.type)];
        shares.assign(size_t(row.combinations), 0.0);
        for (int k = 1; k <= row.combinations; ++k) {
            const auto combo = combinationAt(row.type, k).values;
            const int x = combo[0], y = combo[1], z = combo[2];
            const auto has = [](int a, int b, int c, int h) { return h == a || h == b || h == c; };
            double q = 0;
            switch (row.type) {
            case BetType::Win: q = x <= n ? win_[x] : 0; break;
            case BetType::Place:
                if (x <= n) q = inTop(forPlace, placesPaid_, [&](int a, int b, int c) { return has(a, b, c, x); }) / placesPaid_;
                break;
            case BetType::BracketQuinella:
                for (int a = 1; a <= n; ++a)
                    for (int b = a + 1; b <= n; ++b)
                        if (bracketOf(registered_, a) == x && bracketOf(registered_, b) == y) q += quinellaChance(a, b);
                break;
            case BetType::Quinella:
                if (y <= n) q = quinellaChance(x, y);
                break;
            case BetType::Wide:
                if (y <= n) q = inTop(all, kFullPlaces, [&](int a, int b, int c) { return has(a, b, c, x) && has(a, b, c, y); }) / kFullPlaces;
                break;
            case BetType::Exacta:
                if (std::max(x, y) <= n) for (int c = 1; c <= n; ++c) q += all[at(x, y, c)];
                break;
            case BetType::Trio:
                if (z <= n) q = all[at(x, y, z)] + all[at(x, z, y)] + all[at(y, x, z)] + all[at(y, z, x)] + all[at(z, x, y)] + all[at(z, y, x)];
                break;
            case BetType::Trifecta:
                if (std::max({x, y, z}) <= n) q = all[at(x, y, z)];
                break;
            }
            shares[size_t(k - 1)] = q;
        }
        price(row.type);
    }
}

bool Market::bracketPairInRace(int a, int b) const {
    int inA = 0, inB = 0;
    for (int h = 1; h <= registered_; ++h) {
        inA += bracketOf(registered_, h) == a ? 1 : 0;
        inB += bracketOf(registered_, h) == b ? 1 : 0;
    }
    return a == b ? inA >= 2 : inA > 0 && inB > 0;
}

long long Market::paidOdds(BetType type, int ordinal, std::span<const int> top) const {
    const std::vector<double>& shares = shares_[size_t(type)];
    const double share = shares[size_t(ordinal - 1)];
    const Combination combo = combinationAt(type, ordinal);
    const auto numbers = combo.numbers();
    double others = 0;
    if (type == BetType::Place) {
        for (int i = 0; i < placesPaid_; ++i)
            if (top[size_t(i)] != numbers[0]) others += shares[size_t(top[size_t(i)] - 1)];
    } else if (type == BetType::Wide) {
        for (int i = 0; i < kFullPlaces; ++i)
            for (int j = i + 1; j < kFullPlaces; ++j) {
                const int k = pairOrdinal(top[size_t(i)], top[size_t(j)]);
                if (k != ordinal) others += shares[size_t(k - 1)];
            }
    }
    return poolOdds(type, share, others);
}

long long Market::poolOdds(BetType type, double share, double othersPaid) const {
    const double payback = kPayback[size_t(type)];
    const int winners = type == BetType::Place ? placesPaid_ : kWinners[size_t(type)];
    // Stakes on every winning combination come back first; the rest is split evenly between them.
    const double odds = 1.0 + (payback - share - othersPaid) / (winners * share);
    return std::clamp((long long)std::floor(odds * 10 + 1e-9), kLowest, kHighest[size_t(type)]);
}

void Market::price(BetType type) {
    const BetTypeRow& row = betTypeRow(type);
    const std::vector<double>& shares = shares_[size_t(type)];
    TypeOdds& out = odds_[size_t(type)];
    out.low.assign(size_t(row.combinations), kNotSold);
    out.high = out.low;
    out.popularity.assign(size_t(row.combinations), 0);
    const int n = int(win_.size()) - 1;
    for (int k = 1; k <= row.combinations; ++k) {
        const Combination combo = combinationAt(type, k);
        const auto numbers = combo.numbers();
        const int highest = *std::max_element(numbers.begin(), numbers.end());
        const bool inRace = type == BetType::BracketQuinella ? bracketPairInRace(numbers[0], numbers[1]) : highest <= n;
        if (!inRace) continue;
        const double share = shares[size_t(k - 1)];
        if (share <= 0) {
            out.low[size_t(k - 1)] = out.high[size_t(k - 1)] = kCancelled;
            continue;
        }
        if (type != BetType::Place && type != BetType::Wide) {
            out.low[size_t(k - 1)] = out.high[size_t(k - 1)] = poolOdds(type, share, 0.0);
            continue;
        }
        // Place and wide pay more the less the other winners were backed: the bounds take the
        // most and the least backed company.
        std::vector<double> company;
        for (int h = 1; h <= n; ++h) {
            if (std::ranges::find(numbers, h) != numbers.end() || win_[h] <= 0) continue;
            if (type == BetType::Place)
                company.push_back(shares[size_t(h - 1)]);
            else
                company.push_back(shares[size_t(pairOrdinal(numbers[0], h) - 1)] + shares[size_t(pairOrdinal(numbers[1], h) - 1)]);
        }
        std::ranges::sort(company);
        const int others = type == BetType::Place ? placesPaid_ - 1 : 1;
        const double most = std::accumulate(company.end() - others, company.end(), 0.0);
        const double least = std::accumulate(company.begin(), company.begin() + others, 0.0);
        out.low[size_t(k - 1)] = poolOdds(type, share, most);
        out.high[size_t(k - 1)] = poolOdds(type, share, least);
    }
    std::vector<int> ranked;
    for (int k = 1; k <= row.combinations; ++k)
        if (out.low[size_t(k - 1)] > 0) ranked.push_back(k);
    std::ranges::stable_sort(ranked, {}, [&](int k) { return out.low[size_t(k - 1)]; });
    for (size_t i = 0; i < ranked.size(); ++i) out.popularity[size_t(ranked[i] - 1)] = int(i) + 1;
}

} // namespace zefa
