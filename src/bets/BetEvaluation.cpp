#include "bets/BetEvaluation.h"

#include "bets/FundDistribution.h"

#include <cmath>

namespace zefa {
namespace {

constexpr double kLowLevelShare = 0.7; // below this share of the threshold a list is "C"

} // namespace

std::string expectationLevel(BetType type, double expectedReturn, const LevelThresholds& thresholds) {
    const double threshold = thresholds.miokuri[size_t(type)];
    if (threshold * kLowLevelShare > expectedReturn) return "C";
    if (threshold > expectedReturn) return "B";
    if (type == BetType::Win && expectedReturn > thresholds.tanMiokuri2) return "B";
    return "A";
}

void evaluateBetList(BetList& list, int amount, bool withLevel, const LevelThresholds& thresholds) {
    if (!distributable(list, amount) || blankCell(list.cell(1, BetColumn::Odds))) return;
    int bets = 0;
    double total = 0;
    for (int row = 1; row <= list.dataRows(); ++row) {
        if (!list.counted(row)) continue;
        ++bets;
        total += list.stake(row);
    }
    if (bets == 0 || total <= 0) return;

    double payouts = 0;
    for (int row = 1; row <= list.dataRows(); ++row) {
        if (!list.counted(row) || blankCell(list.cell(row, BetColumn::Stake))) continue;
        const double payout = list.stake(row) * list.odds(row);
        list.cell(row, BetColumn::Payout) = decimalText(payout, 7, 0);
        list.cell(row, BetColumn::PayoutRatio) = decimalText(payout / total * 100, 7, 1);
        payouts += std::trunc(payout);
    }
    // The average payout over the bets, as a percentage of the whole stake.
    const double expectedReturn = payouts / bets / total * 100;
    BetLabel& label = list.label(SummaryLabel::ExpectedReturn);
    label.text = decimalText(expectedReturn, 7, 1);
    if (expectedReturn > 100) label.colour = kBlack;
    else if (expectedReturn > 0) label.colour = kRed;
    if (withLevel) list.label(SummaryLabel::Level).text = expectationLevel(list.type, expectedReturn, thresholds);
}

} // namespace zefa
