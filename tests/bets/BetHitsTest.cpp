#include "bets/BetHits.h"
#include "bets/FundDistribution.h"
#include "BetTestRace.h"

#include "jvdata/HrRecord.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::listWithOdds;
using Payout = HrRecord::PayoutBlock;

// An HR record with the given entries of one block: combination, payout and popularity texts.
struct Entry {
    std::string combination, payout, popularity;
};
std::string hrRecord(Payout block, const std::vector<Entry>& entries) {
    test::LineBuilder line(RecordKind::HR);
    const HrRecord::PayoutBlockRow& row = HrRecord::row(block);
    for (size_t i = 0; i < entries.size(); ++i) {
        const int n = int(i + 1);
        line.put(row.entries.field(n, row.combination).position, entries[i].combination)
            .put(row.entries.field(n, row.payout).position, entries[i].payout)
            .put(row.entries.field(n, row.popularity).position, entries[i].popularity);
    }
    return line.record();
}

BetList stakedList(BetType type, std::vector<double> odds, int amount) {
    BetList list = listWithOdds(type, odds);
    distributeFunds(list, {int(DistributionMode::Uniform), amount, {}});
    return list;
}

TEST(CheckHits, DeadHeatsInWideAreAllFoundAndSummed) {
    // The first three wide pairs are " 1- 2", " 1- 3", " 1- 4"; the record pays three pairs.
    BetList list = stakedList(BetType::Wide, {5.0, 6.0, 7.0, 8.0}, 200);
    const std::string hr = hrRecord(Payout::QuinellaPlace, {{"0102", "000000250", "002"},
                                                            {"0104", "000000880", "007"},
                                                            {"0103", "000001230", "011"}});
    checkHits(list, hr);
    EXPECT_EQ(list.cell(1, BetColumn::ResultPayout), "    250");
    EXPECT_EQ(list.cell(1, BetColumn::ResultReturn), "    500");
    EXPECT_EQ(list.cell(1, BetColumn::ResultPopularity), "  2");
    EXPECT_EQ(list.cell(3, BetColumn::ResultReturn), "   1760");
    EXPECT_EQ(list.cell(2, BetColumn::ResultReturn), "   2460");
    EXPECT_EQ(list.cell(4, BetColumn::ResultPayout), "");
    // 500 + 2460 + 1760 returned against 800 staked.
    EXPECT_EQ(list.label(SummaryLabel::Returned).text, "    4720");
    EXPECT_EQ(list.label(SummaryLabel::Returned).colour, kBlack);
    EXPECT_TRUE(isPaidCombination(BetType::Wide, hr, " 1- 3"));
    EXPECT_FALSE(isPaidCombination(BetType::Wide, hr, " 1- 5"));
}

TEST(CheckHits, ATrifectaPayoutTimesTheStakeDoesNotOverflow) {
    BetList list = stakedList(BetType::Trifecta, {99999.9}, 100000);
    checkHits(list, hrRecord(Payout::Trifecta, {{"010203", "987654321", "4896"}}));
    EXPECT_EQ(list.cell(1, BetColumn::ResultReturn), "987654321000");
    EXPECT_EQ(list.cell(1, BetColumn::ResultPopularity), "4896");
}

TEST(CheckHits, AReturnBelowTheStakeIsRedAndNoReturnEmptiesTheLabel) {
    BetList list = stakedList(BetType::Win, {2.0, 3.0, 4.0}, 100); // " 1", " 2", " 3", 300 yen
    checkHits(list, hrRecord(Payout::Win, {{"02", "000000290", "01"}}));
    EXPECT_EQ(list.label(SummaryLabel::Returned).text, "     290");
    EXPECT_EQ(list.label(SummaryLabel::Returned).colour, kRed);
    checkHits(list, hrRecord(Payout::Win, {{"05", "000000290", "01"}}));
    EXPECT_EQ(list.label(SummaryLabel::Returned).text, "");
}

TEST(CheckHits, AStruckBetShowsThePayoutAndNoReturn) {
    BetList list = listWithOdds(BetType::BracketQuinella, {2.0, 3.0});
    list.cell(1, BetColumn::Strike) = std::string(kStrikeMark);
    distributeFunds(list, {int(DistributionMode::Uniform), 100, {}});
    checkHits(list, hrRecord(Payout::BracketQuinella, {{"11", "000000520", "03"}}));
    EXPECT_EQ(list.cell(1, BetColumn::ResultPayout), "    520");
    EXPECT_EQ(list.cell(1, BetColumn::ResultReturn), "      0");
    EXPECT_EQ(list.label(SummaryLabel::Returned).text, "");
}

TEST(CheckHits, BlankOrGarbageEntriesPayNothing) {
    BetList list = stakedList(BetType::Win, {2.0, 3.0}, 100);
    for (const std::string& hr : {hrRecord(Payout::Win, {{"  ", "000000290", "01"}}),
                                  hrRecord(Payout::Win, {{"1A", "000000290", "01"}, {"00", "000000100", "01"}}),
                                  hrRecord(Payout::Win, {{"-1", "000000290", "01"}, {"99", "000000100", "01"}}),
                                  std::string("HR too short"), std::string()}) {
        checkHits(list, hr);
        EXPECT_EQ(list.cell(1, BetColumn::ResultPayout), "") << hr.substr(0, 12);
        EXPECT_EQ(list.label(SummaryLabel::Returned).text, "");
    }
    BetList trio = stakedList(BetType::Trio, {2.0}, 100); // " 1- 2- 3"
    checkHits(trio, hrRecord(Payout::Trio, {{"030201", "000000290", "001"}, {"01 2 3", "000000290", "001"}}));
    EXPECT_EQ(trio.cell(1, BetColumn::ResultPayout), "");
}

} // namespace
} // namespace zefa
