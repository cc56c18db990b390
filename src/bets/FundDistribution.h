#pragma once

#include "bets/BetEvaluation.h"
#include "bets/BetList.h"

namespace zefa {

// The items of "資金配分", by index.
enum class DistributionMode {
    Equal,        // "均等": the amount split equally
    Proportional, // "比例": split in proportion to 1 / odds, so every bet pays back about the same
    Uniform,      // "均一": every bet gets the amount
    Target,       // "期配": every bet gets the stake that makes its payout reach the amount
};

inline constexpr int kStakeUnit = 100; // stakes are whole multiples of 100 yen
inline constexpr int kMaxDistributedRows = 307; // the header and 306 bets

// What a distribution works with: the "資金配分" index, the entered amount and the level thresholds.
struct Distribution {
    int mode = 0;
    int amount = 0;
    LevelThresholds thresholds;
};

// Whether stakes are worked out at all: an amount of at least 100 yen and at most 306 bets.
bool distributable(const BetList& list, int amount);

// DistributeFunds: the stakes of the list's bets by the mode, the 点数 and 投票金額 labels, then
// EvaluateBetList. Modes outside 0..3 only empty the stakes.
void distributeFunds(BetList& list, const Distribution& distribution);

} // namespace zefa
