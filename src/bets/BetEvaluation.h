#pragma once

#include "bets/BetList.h"

#include <array>
#include <string>

namespace zefa {

// The expected returns (percent) that separate the levels "A", "B" and "C", by BetType order
// (TanMiokuri1 … SRTMiokuri1), and the win bet's upper limit TanMiokuri2.
struct LevelThresholds {
    std::array<int, 8> miokuri{};
    int tanMiokuri2 = 0;
};

// ExpectationLevel: "C" below 70 % of the bet type's threshold, "B" below the threshold or, for the
// win bet, above TanMiokuri2, else "A".
std::string expectationLevel(BetType type, double expectedReturn, const LevelThresholds& thresholds);

// EvaluateBetList: from the stakes in place, each bet's payout and its share of the total stake, the
// expected return label and, when `withLevel`, the level label. Nothing happens below 100 yen, for a
// list over 306 bets, when row 1 has no odds, or when no bet has a stake.
void evaluateBetList(BetList& list, int amount, bool withLevel, const LevelThresholds& thresholds);

} // namespace zefa
