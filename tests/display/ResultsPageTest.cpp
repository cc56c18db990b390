#include "display/ResultsPage.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(ResultsPageTest, PaidRowsAreFormattedAndUnpaidRowsBlank) {
    PayoutSummaryEntry payouts;
    for (const BetTypeRow& type : kBetTypes) payouts.rows[size_t(type.type)].resize(type.type == BetType::Place ? 5 : 3);
    payouts.rows[size_t(BetType::Win)][0] = {7, "", 3, 540};
    payouts.rows[size_t(BetType::BracketQuinella)][0] = {0, " 3- 6", 12, 12340};
    payouts.rows[size_t(BetType::Trifecta)][1] = {0, " 1- 7-15", 101, 1234560};
    const ResultsPage page = resultsPage(payouts);
    EXPECT_EQ(page.lines[size_t(BetType::Win)][0], (ResultLine{" 7", " 3", "     540"}));
    EXPECT_EQ(page.lines[size_t(BetType::Win)][1], ResultLine{});
    EXPECT_EQ(page.lines[size_t(BetType::Place)].size(), 5u);
    EXPECT_EQ(page.lines[size_t(BetType::BracketQuinella)][0], (ResultLine{" 3- 6", "12", "   12340"}));
    EXPECT_EQ(page.lines[size_t(BetType::Trifecta)][0], ResultLine{});
    EXPECT_EQ(page.lines[size_t(BetType::Trifecta)][1], (ResultLine{" 1- 7-15", "101", " 1234560"}));
}

} // namespace
} // namespace zefa
