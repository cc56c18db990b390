#include "analysis/PayoutSummary.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::LineBuilder;

TEST(PayoutSummaryTest, BlankRecordHasTheRowsOfEveryBetTypeWithoutPayouts) {
    const PayoutSummaryEntry entry = payoutSummaryOf(std::string(size_t(recordLength(RecordKind::HR)), ' '));
    const size_t expected[] = {3, 5, 3, 3, 7, 6, 3, 6};
    for (const BetTypeRow& type : kBetTypes) {
        ASSERT_EQ(entry.of(type.type).size(), expected[size_t(type.type)]) << type.name;
        for (const PayoutRow& row : entry.of(type.type)) EXPECT_EQ(row, PayoutRow{}) << type.name;
    }
}

TEST(PayoutSummaryTest, CombinationsAreWrittenLikeBetCombinations) {
    const std::string record = LineBuilder(RecordKind::HR)
                                   .put(103, "07000000540 3")   // win: horse 7, 540 yen, 3rd favourite
                                   .put(207, "36000001230 5")   // bracket quinella 3-6
                                   .put(246, "0312000000456012") // quinella 3-12
                                   .put(550, "010715000012345101") // trio 1-7-15
                                   .record();
    const PayoutSummaryEntry entry = payoutSummaryOf(record);
    EXPECT_EQ(entry.of(BetType::Win)[0], (PayoutRow{7, "", 3, 540}));
    EXPECT_EQ(entry.of(BetType::BracketQuinella)[0], (PayoutRow{0, " 3- 6", 5, 1230}));
    EXPECT_EQ(entry.of(BetType::Quinella)[0], (PayoutRow{0, " 3-12", 12, 456}));
    EXPECT_EQ(entry.of(BetType::Trio)[0], (PayoutRow{0, " 1- 7-15", 101, 12345}));
}

TEST(PayoutSummaryTest, TwoQuinellaPlaceWinnersLeaveTheOtherEntriesEmpty) {
    LineBuilder hr(RecordKind::HR);
    hr.put(294, "0305000000250002").put(310, "0308000000410005");
    hr.put(326, "0000000000000000"); // a zero combination is no payout either
    const PayoutSummaryEntry entry = payoutSummaryOf(hr.record());
    const auto& wide = entry.of(BetType::Wide);
    EXPECT_EQ(wide[0], (PayoutRow{0, " 3- 5", 2, 250}));
    EXPECT_EQ(wide[1], (PayoutRow{0, " 3- 8", 5, 410}));
    for (size_t n = 2; n < wide.size(); ++n) EXPECT_EQ(wide[n], PayoutRow{}) << n;
}

TEST(PayoutSummaryTest, AComboWithANumberMissingHasNoText) {
    const PayoutSummaryEntry entry = payoutSummaryOf(LineBuilder(RecordKind::HR).put(604, "0307  0000001230001").record());
    const auto& trifecta = entry.of(BetType::Trifecta);
    EXPECT_EQ(trifecta[0].combination, "");
    EXPECT_EQ(trifecta[0].payout, 123);
}

TEST(PayoutSummaryTest, TheDaySummaryHasAnEntryPerRaceSlot) {
    RaceDayStore store;
    store.slot(5).payout = LineBuilder(RecordKind::HR).put(142, "11000000150 1").record();
    const auto summary = payoutSummary(store);
    ASSERT_EQ(summary.size(), size_t(kRaceSlots));
    EXPECT_EQ(summary[5].of(BetType::Place)[0], (PayoutRow{11, "", 1, 150}));
    EXPECT_EQ(summary[4].of(BetType::Place)[0], PayoutRow{});
}

} // namespace
} // namespace zefa
