#include "bets/BetList.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

struct LayoutCase {
    BetType type;
    int columns;
    int stake, resultPayout, resultPopularity, pattern;
    int oddsWidth, payoutWidth;
};

class BetColumns : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(BetColumns, PlaceEachFieldWhereItsFamilyHoldsIt) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(int(betColumns(c.type).size()), c.columns);
    EXPECT_EQ(betColumn(c.type, BetColumn::Strike), 0);
    EXPECT_EQ(betColumn(c.type, BetColumn::Combination), 2);
    EXPECT_EQ(betColumn(c.type, BetColumn::Stake), c.stake);
    EXPECT_EQ(betColumn(c.type, BetColumn::ResultPayout), c.resultPayout);
    EXPECT_EQ(betColumn(c.type, BetColumn::ResultPopularity), c.resultPopularity);
    EXPECT_EQ(betColumn(c.type, BetColumn::PopularityPattern), c.pattern);
    EXPECT_EQ(betColumns(c.type)[3].width, c.oddsWidth);
    EXPECT_EQ(betColumns(c.type)[7].width, c.payoutWidth);
    if (c.pattern > 0) EXPECT_EQ(betColumns(c.type)[size_t(c.pattern)].width, kHiddenColumn);
}

INSTANTIATE_TEST_SUITE_P(Families, BetColumns,
                         ::testing::Values(LayoutCase{BetType::Place, 12, 5, 9, 11, -1, 50, 60},
                                           LayoutCase{BetType::BracketQuinella, 14, 6, 11, 13, 5, 50, 60},
                                           LayoutCase{BetType::Exacta, 14, 6, 11, 13, 5, 60, 60},
                                           LayoutCase{BetType::Trio, 15, 6, 12, 14, 5, 60, 60},
                                           LayoutCase{BetType::Trifecta, 15, 6, 12, 14, 5, 60, 70}));

TEST(BetList, AnEmptyListHasItsHeaderAndOneEmptyRow) {
    const BetList list = emptyBetList(BetType::Wide);
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0][0], "消");
    EXPECT_EQ(list.rows[0][13], "結果人気");
    EXPECT_EQ(list.rows[1], BetRow(14));
}

TEST(BetList, CellBackgrounds) {
    EXPECT_EQ(betCellBackground(BetType::Trio, 0, 2, true), windowsColour(9605833));
    EXPECT_EQ(betCellBackground(BetType::Trio, 3, 1, false), windowsColour(12713921));
    EXPECT_EQ(betCellBackground(BetType::Trio, 3, 2, true), windowsColour(16711935));
    EXPECT_EQ(betCellBackground(BetType::Trio, 3, 2, false), windowsColour(16777215));
    EXPECT_EQ(betCellBackground(BetType::Trio, 3, 3, true), windowsColour(16777215));
}

} // namespace
} // namespace zefa
