#include "bets/FundDistribution.h"
#include "BetTestRace.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::listWithOdds;
using test::stakes;

LevelThresholds thresholds() { return {{330, 330, 330, 330, 170, 660, 330, 660}, 1200}; }

struct FundCase {
    const char* name;
    DistributionMode mode;
    int amount;
    std::vector<double> odds;
    std::vector<int> stakes;
    std::string count;
    std::string total;
};

class DistributeFunds : public ::testing::TestWithParam<FundCase> {};

TEST_P(DistributeFunds, GivesEveryBetItsStake) {
    const FundCase& c = GetParam();
    BetList list = listWithOdds(BetType::Quinella, c.odds);
    distributeFunds(list, {int(c.mode), c.amount, thresholds()});
    EXPECT_EQ(stakes(list), c.stakes);
    EXPECT_EQ(list.label(SummaryLabel::Count).text, c.count);
    EXPECT_EQ(list.label(SummaryLabel::Stake).text, c.total);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DistributeFunds,
    ::testing::Values(
        FundCase{"EqualRoundsUpFromPointOne", DistributionMode::Equal, 3000, std::vector<double>(7, 5.0),
                 std::vector<int>(7, 500), "  7", "  3500"},
        FundCase{"EqualGivesAtLeast100", DistributionMode::Equal, 1000, std::vector<double>(12, 5.0),
                 std::vector<int>(12, 100), " 12", "  1200"},
        FundCase{"ProportionalToOneOverOdds", DistributionMode::Proportional, 1000, {2.0, 8.0}, {800, 200}, "  2",
                 "  1000"},
        FundCase{"ProportionalShareBelow100Gets100", DistributionMode::Proportional, 1000, {2.0, 500.0}, {1000, 100},
                 "  2", "  1100"},
        FundCase{"UniformGivesTheAmountAsEntered", DistributionMode::Uniform, 150, {2.0, 8.0, 30.0}, {150, 150, 150},
                 "  3", "   450"},
        FundCase{"TargetReachesTheAmount", DistributionMode::Target, 10000, {3.5, 150.0}, {2900, 100}, "  2",
                 "  3000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DistributeFundsTest, StakesAreWrittenInSixCharacters) {
    BetList list = listWithOdds(BetType::Win, {2.0});
    distributeFunds(list, {int(DistributionMode::Equal), 300, thresholds()});
    EXPECT_EQ(list.cell(1, BetColumn::Stake), "   300");
}

TEST(DistributeFundsTest, AnAmountBelow100ChangesNothing) {
    BetList list = listWithOdds(BetType::Quinella, {2.0, 8.0});
    distributeFunds(list, {int(DistributionMode::Equal), 1000, thresholds()});
    const BetList before = list;
    distributeFunds(list, {int(DistributionMode::Uniform), 99, thresholds()});
    EXPECT_EQ(list.rows, before.rows);
    EXPECT_EQ(list.label(SummaryLabel::Count).text, before.label(SummaryLabel::Count).text);
    EXPECT_EQ(list.label(SummaryLabel::Level).text, before.label(SummaryLabel::Level).text);
}

TEST(DistributeFundsTest, AListWithoutBetsGetsNoStakesAndKeepsItsLabelsEmpty) {
    for (const DistributionMode mode : {DistributionMode::Equal, DistributionMode::Uniform, DistributionMode::Target}) {
        BetList list = listWithOdds(BetType::Trio, {});
        distributeFunds(list, {int(mode), 3000, thresholds()});
        EXPECT_EQ(list.label(SummaryLabel::Count).text, "");
        EXPECT_EQ(list.label(SummaryLabel::ExpectedReturn).text, "");
        EXPECT_EQ(stakes(list), std::vector<int>{0});
    }
}

TEST(DistributeFundsTest, AListOver306BetsIsLeftAlone) {
    BetList list = listWithOdds(BetType::Trifecta, std::vector<double>(307, 10.0));
    distributeFunds(list, {int(DistributionMode::Equal), 3000, thresholds()});
    EXPECT_EQ(list.label(SummaryLabel::Count).text, "");
    EXPECT_EQ(list.cell(1, BetColumn::Stake), "");
}

TEST(DistributeFundsTest, AnUnknownModeOnlyEmptiesTheStakes) {
    BetList list = listWithOdds(BetType::Quinella, {2.0, 8.0});
    distributeFunds(list, {int(DistributionMode::Equal), 1000, thresholds()});
    distributeFunds(list, {7, 1000, thresholds()});
    EXPECT_EQ(stakes(list), (std::vector<int>{0, 0}));
    EXPECT_EQ(list.cell(1, BetColumn::Payout), "");
}

} // namespace
} // namespace zefa
