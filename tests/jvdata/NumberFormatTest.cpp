#include "jvdata/Cp932.h"
#include "jvdata/NumberFormat.h"

#include <gtest/gtest.h>

#include <functional>

namespace zefa {
namespace {

struct FieldCase {
    std::string_view field;
    std::string_view expected;
};

void expectAll(const std::function<std::string(std::string_view)>& format, std::initializer_list<FieldCase> cases) {
    for (const auto& c : cases) EXPECT_EQ(format(c.field), c.expected) << '"' << c.field << '"';
}

TEST(NumberFormat, PaddedNumberKeepsTheFieldWidthAndBlanksZero) {
    expectAll(paddedNumber, {{"00", "  "}, {" 7", " 7"}, {"12", "12"}, {"01", " 1"}, {"0345", " 345"},
                             {"  ", "  "}, {"ab", "  "}, {"", ""}});
}

TEST(NumberFormat, TenthsTextIsOneNarrowerThanTheField) {
    expectAll(tenthsText, {{"0345", "34.5"}, {"0005", "0.5"}, {"00005", " 0.5"}, {"0000", "    "}, {"    ", "    "}});
}

TEST(NumberFormat, TenthsTextWideIsOneWiderThanTheField) {
    // The stated width n + 1 is followed: a weight of "550" is "55.0", not " 55.0".
    expectAll(tenthsTextWide, {{"550", "55.0"}, {"048", " 4.8"}, {"1234", "123.4"}, {"000", "   "}});
}

TEST(NumberFormat, RunTimeText) {
    expectAll(runTimeText, {{"0594", "  59.4"}, {"2012", "2.01.2"}, {"1345", "1.34.5"}, {" 594", "  59.4"},
                            {"0000", "      "}});
}

TEST(NumberFormat, MarginText) {
    expectAll(marginText, {{"+012", "+ 1.2"}, {"-005", "- 0.5"}, {" 123", " 12.3"}, {"-999", "     "},
                           {"9999", "     "}, {"0000", "     "}, {"+   ", "     "}});
}

TEST(NumberFormat, EarlyPaceText) {
    const struct {
        std::string_view runTime, lastThreeFurlongs, distance, expected;
    } cases[] = {
        {"1345", "345", "1600", "360"},
        {"2012", "355", "2000", "367"}, // 857 tenths over 14 hundreds, times 6
        {"0000", "345", "1600", "   "}, {"1345", "000", "1600", "   "}, {"1345", "345", "0000", "   "},
        {"    ", "345", "1600", "   "}, {"1345", "   ", "1600", "   "}, {"1345", "345", "    ", "   "},
        {"0345", "345", "0600", "   "}, // nothing runs before the last 600 metres
    };
    for (const auto& c : cases)
        EXPECT_EQ(earlyPaceText(c.runTime, c.lastThreeFurlongs, c.distance), c.expected)
            << c.runTime << " " << c.lastThreeFurlongs << " " << c.distance;
}

TEST(NumberFormat, CircledNumberFromNumbersAndFields) {
    EXPECT_EQ(circledNumber(1), toCp932("①"));
    EXPECT_EQ(circledNumber(18), toCp932("⑱"));
    EXPECT_EQ(circledNumber(0), toCp932("－"));
    EXPECT_EQ(circledNumber(19), toCp932("－"));
    EXPECT_EQ(circledNumber("05"), toCp932("⑤"));
    EXPECT_EQ(circledNumber(" 7"), toCp932("⑦"));
    EXPECT_EQ(circledNumber("  "), toCp932("－"));
}

TEST(NumberFormat, FixedWidthNumber) {
    EXPECT_EQ(fixedWidthNumber("0012", 3, false), " 12");
    EXPECT_EQ(fixedWidthNumber("000", 3, false), "  0");
    EXPECT_EQ(fixedWidthNumber("000", 3, true), "");
    EXPECT_EQ(fixedWidthNumber("5", 4, true), "   5");
}

} // namespace
} // namespace zefa
