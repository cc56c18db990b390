#include "analysis/HyokaMark.h"

#include "analysis/OddsText.h"

#include <climits>

namespace zefa {
namespace {

constexpr int kMarkedGap = 3; // win rank minus place rank from which a horse is marked
constexpr long long kMinimumPayFrom = 9, kMinimumPayTo = 10; // place odds 0.9 .. 1.0, in tenths

// The first row whose ranges hold the place and win ranks gives the mark.
struct MarkRule {
    int placeFrom, placeTo;
    int winFrom, winTo;
    std::string_view mark;
};

constexpr MarkRule kMarkRules[] = {
    {1, 2, 10, INT_MAX, mark::AAA},
    {1, 2, 1, 9, mark::AA},
    {3, 4, 10, INT_MAX, mark::AB},
    {3, 3, 1, 9, mark::AB},
    {4, 4, 1, 9, mark::AC},
    {5, 9, 1, INT_MAX, mark::AD},
    {10, INT_MAX, 1, INT_MAX, mark::A},
};

std::string_view gapMark(int winRank, int placeRank) {
    if (winRank - placeRank < kMarkedGap) return {};
    for (const MarkRule& rule : kMarkRules)
        if (placeRank >= rule.placeFrom && placeRank <= rule.placeTo && winRank >= rule.winFrom && winRank <= rule.winTo)
            return rule.mark;
    return {};
}

} // namespace

std::string hyokaMark(int winRank, int placeRank, double placeOdds) {
    const std::string_view byRanks = gapMark(winRank, placeRank);
    const long long tenths = oddsTenths(placeOdds);
    if (tenths < kMinimumPayFrom || tenths > kMinimumPayTo) return std::string(byRanks);
    return std::string(byRanks == mark::AA ? mark::XAA : mark::X);
}

} // namespace zefa
