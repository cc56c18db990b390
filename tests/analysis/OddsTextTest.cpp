#include "analysis/OddsText.h"

#include <gtest/gtest.h>

#include <string>

namespace zefa {
namespace {

TEST(OddsText, DigitsAreTenthsCancelMarksAndBlanksAreTold) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"0123", 12.3},      {"0000", 0},          {"  12", 1.2},        {"0012345", 1234.5},
        {"----", kCancelledOdds}, {"*****", kCancelledOdds}, {"-------", kCancelledOdds},
        {"    ", kBlankOdds}, {"       ", kBlankOdds},
        // JV-Data writes no other text; what cannot be read cannot be bet on.
        {"12 3", kCancelledOdds}, {" -- ", kCancelledOdds}, {"+012", kCancelledOdds},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(oddsValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(OddsText, OnlyNumbersAreOdds) {
    EXPECT_TRUE(isOddsNumber(0));
    EXPECT_TRUE(isOddsNumber(1.5));
    EXPECT_FALSE(isOddsNumber(kCancelledOdds));
    EXPECT_FALSE(isOddsNumber(kBlankOdds));
}

} // namespace
} // namespace zefa
