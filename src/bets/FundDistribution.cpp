#include "bets/FundDistribution.h"

#include "jvdata/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace zefa {
namespace {

// Each mode rounds its quotient, in units of 100 yen, up from its own point.
constexpr double kEqualRounding = 0.9;
constexpr double kProportionalRounding = 0.95;
constexpr double kTargetRounding = 0.99;

constexpr int kStakeWidth = 6;
constexpr int kCountWidth = 3;

struct Totals {
    int bets = 0;
    long long total = 0;
};

// A quotient in units of 100 yen, truncated after the mode's rounding; at least 100 yen.
long long roundedStake(double units, double rounding) {
    return std::max(1LL, (long long)std::trunc(units + rounding)) * kStakeUnit;
}

void setStake(BetList& list, int row, long long stake) {
    list.cell(row, BetColumn::Stake) = rightAligned(stake, kStakeWidth);
}

int countedBets(const BetList& list) {
    int bets = 0;
    for (int row = 1; row <= list.dataRows(); ++row) bets += list.counted(row) ? 1 : 0;
    return bets;
}

// Every eligible bet gets the same stake.
std::optional<Totals> sameStakes(BetList& list, long long stake) {
    const int bets = countedBets(list);
    if (bets < 1) return std::nullopt;
    for (int row = 1; row <= list.dataRows(); ++row)
        if (list.eligible(row)) setStake(list, row, stake);
    return Totals{bets, bets * stake};
}

std::optional<Totals> equalStakes(BetList& list, int amount) {
    const int bets = countedBets(list);
    if (bets < 1) return std::nullopt;
    return sameStakes(list, roundedStake(double(amount) / bets / kStakeUnit, kEqualRounding));
}

std::optional<Totals> uniformStakes(BetList& list, int amount) {
    return sameStakes(list, std::max(amount, kStakeUnit));
}

// Stakes in proportion to 1 / odds: every bet pays back about the same.
std::optional<Totals> proportionalStakes(BetList& list, int amount) {
    if (blankCell(list.cell(1, BetColumn::Odds))) return std::nullopt;
    std::vector<double> weights(size_t(list.dataRows()) + 1, 0.0);
    double sum = 0;
    Totals totals;
    for (int row = 1; row <= list.dataRows(); ++row) {
        if (!list.counted(row)) continue;
        weights[size_t(row)] = 1 / list.odds(row);
        sum += weights[size_t(row)];
        ++totals.bets;
    }
    if (sum <= 0) return totals;
    for (int row = 1; row <= list.dataRows(); ++row) {
        if (!list.counted(row)) continue;
        const double percent = weights[size_t(row)] / sum * 100;
        const long long stake = roundedStake(amount * percent / (100.0 * kStakeUnit), kProportionalRounding);
        setStake(list, row, stake);
        totals.total += stake;
    }
    return totals;
}

// The stake that makes each bet's payout reach the amount.
std::optional<Totals> targetStakes(BetList& list, int amount) {
    Totals totals;
    for (int row = 1; row <= list.dataRows(); ++row) {
        if (!list.counted(row)) continue;
        const long long stake = roundedStake(amount / list.odds(row) / kStakeUnit, kTargetRounding);
        setStake(list, row, stake);
        totals.total += stake;
        ++totals.bets;
    }
    if (totals.bets < 1) return std::nullopt;
    return totals;
}

using ModeRule = std::optional<Totals> (*)(BetList&, int amount);
constexpr std::array<ModeRule, 4> kModeRules{equalStakes, proportionalStakes, uniformStakes, targetStakes};

// Only the split modes say how promising a list is.
bool showsLevel(int mode) { return mode == int(DistributionMode::Equal) || mode == int(DistributionMode::Proportional); }

} // namespace

bool distributable(const BetList& list, int amount) {
    return amount >= kStakeUnit && list.rows.size() <= size_t(kMaxDistributedRows) && list.dataRows() >= 1;
}

void distributeFunds(BetList& list, const Distribution& distribution) {
    if (!distributable(list, distribution.amount)) return;
    for (int row = 1; row <= list.dataRows(); ++row) {
        for (const BetColumn role : {BetColumn::Stake, BetColumn::Payout, BetColumn::PayoutRatio})
            list.cell(row, role).clear();
    }
    const bool withLevel = showsLevel(distribution.mode);
    // A level left from a split mode would tell nothing about these stakes.
    if (!withLevel) list.label(SummaryLabel::Level).text.clear();
    if (distribution.mode < 0 || distribution.mode >= int(kModeRules.size())) return;

    const std::optional<Totals> totals = kModeRules[size_t(distribution.mode)](list, distribution.amount);
    if (!totals) return;
    list.label(SummaryLabel::Count).text = rightAligned(totals->bets, kCountWidth);
    list.label(SummaryLabel::Stake).text = rightAligned(totals->total, kStakeWidth);
    if (totals->total >= 1) evaluateBetList(list, distribution.amount, withLevel, distribution.thresholds);
}

} // namespace zefa
