#pragma once

#include "analysis/RaceAnalysis.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zefa {

// The development rank an unranked horse takes in candidate keys: after every ranked horse.
inline constexpr int kUnrankedLast = kMaxHorses + 1;

// The horses 1..runners of a race as the axis and partner step looks at them.
struct AxisRace {
    RaceAnalysis& analysis;
    int runners;

    bool eligible(int h) const { return analysis.KeshiFlag[size_t(h)] == 0; }
    bool axis(int h) const { return analysis.JikuFlag[size_t(h)] == 1; }
    bool partner(int h) const { return analysis.HimoFlag[size_t(h)] == 1; }
    // Ranked on the latest win odds: a withdrawn horse, or a race without odds, is not.
    bool hasOdds(int h) const { return analysis.TanNinki[size_t(h)] > 0; }
    // TenkaiRank with 0 counted as kUnrankedLast.
    int rank(int h) const {
        const int value = analysis.TenkaiRank[size_t(h)];
        return value == 0 ? kUnrankedLast : value;
    }
    int popularity(int h) const { return analysis.TanNinki[size_t(h)]; }
    const std::string& mark(int h) const { return analysis.HyokaMark[size_t(h)]; }
};

// The horses 1..runners that `admit` lets in, ascending by the tuple `key` gives each horse, then
// by horse number.
template <typename Admit, typename Key>
std::vector<int> sortedCandidates(int runners, Admit admit, Key key) {
    std::vector<std::pair<decltype(key(1)), int>> entries;
    for (int h = 1; h <= runners; ++h)
        if (admit(h)) entries.emplace_back(key(h), h);
    std::ranges::sort(entries);
    std::vector<int> horses;
    for (const auto& entry : entries) horses.push_back(entry.second);
    return horses;
}

} // namespace zefa
