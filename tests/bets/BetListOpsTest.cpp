#include "bets/BetListOps.h"
#include "BetTestRace.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::listWithOdds;
using test::stakes;

constexpr int kStrike = 0;
const Distribution kEqual{int(DistributionMode::Equal), 3000, {{330, 330, 330, 330, 170, 660, 330, 660}, 1200}};

BetList distributed(std::vector<double> odds, const Distribution& d = kEqual) {
    BetList list = listWithOdds(BetType::Quinella, odds);
    distributeFunds(list, d);
    return list;
}

TEST(ClickBetRow, StrikingRedistributesAndStrikingAgainRestores) {
    BetList list = distributed({2.0, 4.0, 8.0});
    ASSERT_EQ(stakes(list), (std::vector<int>{1000, 1000, 1000}));
    const BetList before = list;
    clickBetRow(list, 2, kStrike, kEqual, "");
    EXPECT_TRUE(list.struck(2));
    EXPECT_EQ(stakes(list), (std::vector<int>{1500, 0, 1500}));
    EXPECT_EQ(list.label(SummaryLabel::Count).text, "  2");
    EXPECT_EQ(list.label(SummaryLabel::Stake).text, "  3000");
    clickBetRow(list, 2, kStrike, kEqual, "");
    EXPECT_EQ(list.rows, before.rows);
    EXPECT_EQ(list.label(SummaryLabel::Stake).text, before.label(SummaryLabel::Stake).text);
}

TEST(ClickBetRow, StrikingEveryBetLeavesNoStakes) {
    for (const DistributionMode mode : {DistributionMode::Equal, DistributionMode::Proportional}) {
        const Distribution d{int(mode), 3000, kEqual.thresholds};
        BetList list = distributed({2.0, 4.0}, d);
        clickBetRow(list, 1, kStrike, d, "");
        clickBetRow(list, 2, kStrike, d, "");
        EXPECT_EQ(stakes(list), (std::vector<int>{0, 0}));
        EXPECT_EQ(list.label(SummaryLabel::ExpectedReturn).text, "");
        const bool proportional = mode == DistributionMode::Proportional;
        EXPECT_EQ(list.label(SummaryLabel::Count).text, proportional ? "  0" : "");
        EXPECT_EQ(list.label(SummaryLabel::Stake).text, proportional ? "     0" : "");
    }
}

TEST(ClickBetRow, AClickOutsideColumn0RecomputesWithoutAMark) {
    BetList list = distributed({2.0, 4.0});
    list.cell(1, BetColumn::Stake) = "   999";
    list.label(SummaryLabel::Returned).text = "stale";
    clickBetRow(list, 1, 3, kEqual, "");
    EXPECT_FALSE(list.struck(1));
    EXPECT_EQ(stakes(list), (std::vector<int>{1500, 1500}));
    EXPECT_EQ(list.label(SummaryLabel::Returned).text, "");
}

TEST(ClickBetRow, TheHeaderAndRowsOutsideTheListDoNothing) {
    BetList list = distributed({2.0});
    const BetList before = list;
    for (const int row : {0, 2, -1}) clickBetRow(list, row, kStrike, kEqual, "");
    EXPECT_EQ(list.rows, before.rows);
}

// The list's "No." texts in row order.
std::vector<std::string> numbers(const BetList& list) {
    std::vector<std::string> texts;
    for (int row = 1; row <= list.dataRows(); ++row) texts.push_back(list.cell(row, BetColumn::Number));
    return texts;
}

TEST(SortBetList, FirstDescendingThenAscending) {
    BetList list = distributed({8.0, 12.5, 2.0, 100.0});
    const int odds = betColumn(BetType::Quinella, BetColumn::Odds);
    sortBetList(list, odds);
    EXPECT_EQ(numbers(list), (std::vector<std::string>{"  4", "  2", "  1", "  3"}));
    EXPECT_EQ(list.cell(1, BetColumn::Odds), "  100.0");
    EXPECT_EQ(list.cell(1, BetColumn::Stake), "   800"); // rows move whole
    sortBetList(list, odds);
    EXPECT_EQ(numbers(list), (std::vector<std::string>{"  3", "  1", "  2", "  4"}));
    EXPECT_EQ(list.lastSortColumn, odds);
}

TEST(SortBetList, EqualTextsKeepNumberOrder) {
    BetList list = distributed({2.0, 4.0, 8.0, 16.0});
    for (const auto& [row, popularity] : {std::pair{1, "  5"}, {2, "  3"}, {3, "  5"}, {4, "  5"}})
        list.cell(row, BetColumn::Popularity) = popularity;
    const int popularityColumn = betColumn(BetType::Quinella, BetColumn::Popularity);
    sortBetList(list, popularityColumn);
    EXPECT_EQ(numbers(list), (std::vector<std::string>{"  1", "  3", "  4", "  2"}));
    // A second sort on another column and back: the tie stays in "No." order, not the previous order.
    sortBetList(list, betColumn(BetType::Quinella, BetColumn::Combination));
    sortBetList(list, popularityColumn);
    EXPECT_EQ(numbers(list), (std::vector<std::string>{"  2", "  1", "  3", "  4"}));
}

TEST(SortBetList, Column0AndColumnsOutsideTheGridDoNothing) {
    BetList list = distributed({8.0, 2.0});
    const BetList before = list;
    for (const int column : {0, -1, list.columnCount()}) sortBetList(list, column);
    EXPECT_EQ(list.rows, before.rows);
    EXPECT_EQ(list.sortDescending, before.sortDescending);
}

} // namespace
} // namespace zefa
