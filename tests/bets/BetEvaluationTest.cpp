#include "bets/BetEvaluation.h"
#include "bets/FundDistribution.h"
#include "BetTestRace.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::listWithOdds;

LevelThresholds thresholds() { return {{330, 330, 330, 330, 170, 660, 330, 660}, 1200}; }

struct LevelCase {
    BetType type;
    double expectedReturn;
    std::string level;
};

class ExpectationLevel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(ExpectationLevel, ComparesStrictly) {
    const LevelCase& c = GetParam();
    EXPECT_EQ(expectationLevel(c.type, c.expectedReturn, thresholds()), c.level);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExpectationLevel,
                         ::testing::Values(LevelCase{BetType::Quinella, 330.0, "A"},  // equal to the threshold
                                           LevelCase{BetType::Quinella, 329.9, "B"},
                                           LevelCase{BetType::Quinella, 232.0, "B"},
                                           LevelCase{BetType::Quinella, 230.0, "C"},  // below 70 %
                                           LevelCase{BetType::Wide, 170.0, "A"},
                                           LevelCase{BetType::Wide, 118.0, "C"},
                                           LevelCase{BetType::Win, 1200.0, "A"},
                                           LevelCase{BetType::Win, 1200.1, "B"},     // above TanMiokuri2
                                           LevelCase{BetType::Place, 1500.0, "A"})); // only the win bet has a cap

TEST(EvaluateBetList, WritesPayoutsSharesAndTheExpectedReturn) {
    BetList list = listWithOdds(BetType::Quinella, {2.0, 8.0});
    distributeFunds(list, {int(DistributionMode::Equal), 3000, thresholds()}); // 1500 each
    EXPECT_EQ(list.cell(1, BetColumn::Payout), "   3000");
    EXPECT_EQ(list.cell(2, BetColumn::Payout), "  12000");
    EXPECT_EQ(list.cell(1, BetColumn::PayoutRatio), "  100.0");
    EXPECT_EQ(list.cell(2, BetColumn::PayoutRatio), "  400.0");
    // (3000 + 12000) / 2 bets / 3000 yen.
    EXPECT_EQ(list.label(SummaryLabel::ExpectedReturn).text, "  250.0");
    EXPECT_EQ(list.label(SummaryLabel::ExpectedReturn).colour, kBlack);
    EXPECT_EQ(list.label(SummaryLabel::Level).text, "B");
}

TEST(EvaluateBetList, AReturnOf100OrLessIsRed) {
    BetList list = listWithOdds(BetType::Quinella, {1.5, 1.5});
    distributeFunds(list, {int(DistributionMode::Equal), 1000, thresholds()});
    EXPECT_EQ(list.label(SummaryLabel::ExpectedReturn).text, "   75.0");
    EXPECT_EQ(list.label(SummaryLabel::ExpectedReturn).colour, kRed);
    EXPECT_EQ(list.label(SummaryLabel::Level).text, "C");
}

TEST(EvaluateBetList, OnlyTheSplitModesSetALevel) {
    BetList list = listWithOdds(BetType::Quinella, {20.0, 80.0});
    distributeFunds(list, {int(DistributionMode::Proportional), 1000, thresholds()});
    EXPECT_EQ(list.label(SummaryLabel::Level).text, "A");
    distributeFunds(list, {int(DistributionMode::Target), 1000, thresholds()});
    EXPECT_EQ(list.label(SummaryLabel::Level).text, "");
    EXPECT_FALSE(list.label(SummaryLabel::ExpectedReturn).text.empty());
}

} // namespace
} // namespace zefa
