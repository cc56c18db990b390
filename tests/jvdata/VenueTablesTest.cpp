#include "jvdata/Cp932.h"
#include "jvdata/VenueTables.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace zefa {
namespace {

// Every code the venue table lists, with neighbours that it does not.
std::vector<std::string> someVenueCodes() {
    std::vector<std::string> codes{"00", "11", "29", "62", " 1", "1", "", "Z0", "05 "};
    for (int n = 1; n <= 61; ++n) codes.push_back((n < 10 ? "0" : "") + std::to_string(n));
    for (char letter = 'A'; letter <= 'N'; ++letter)
        for (char digit = '0'; digit <= '9'; ++digit) codes.push_back({letter, digit});
    return codes;
}

TEST(VenueTables, NamesHaveTheWidthOfTheirForm) {
    for (const std::string& code : someVenueCodes()) {
        EXPECT_EQ(venueName(code, 2).size(), 4u) << code;
        EXPECT_EQ(venueName(code, 3).size(), 6u) << code;
    }
}

TEST(VenueTables, VenueNames) {
    const struct {
        std::string_view code;
        std::string_view form2, form3;
    } cases[] = {
        {"05", "東京", "東京  "},   {"58", "札幌", "札幌  "},   {"32", "岩見", "岩見沢"}, {"49", "紀三", "紀三寺"},
        {"A2", "日本", "日本  "},   {"C7", "ア首", "アラブ"},   {"H0", "西独", "西独　"}, {"L0", "タイ", "タイ　"},
        {"M2", "澳門", "マカオ"},   {"M4", "墺国", "墺国  "},   {"M6", "約  ", "ヨルダ"}, {"M8", "華  ", "カタル"},
        {"C4", "    ", "      "},   {"G8", "    ", "      "},   {"N4", "    ", "      "}, {" 5", "    ", "      "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(venueName(c.code, 2), toCp932(c.form2)) << c.code;
        EXPECT_EQ(venueName(c.code, 3), toCp932(c.form3)) << c.code;
    }
    EXPECT_THROW(venueName("05", 1), std::invalid_argument);
}

TEST(VenueTables, CategoryOfCentralLocalAndOverseasVenues) {
    const struct {
        std::string_view code, expected;
    } cases[] = {
        {"01", "札幌  "}, {"10", "小倉  "}, {"30", "地方  "}, {"58", "地方  "}, {"61", "地方  "},
        {"K8", "海外  "}, {"C4", "海外  "}, {"C7", "海外  "}, {"F1", "海外  "}, {"N2", "海外  "},
        {"C5", "      "}, {"A1", "      "}, {"N4", "      "}, {"11", "      "}, {"", "      "},
    };
    for (const auto& c : cases) EXPECT_EQ(venueCategory(c.code), toCp932(c.expected)) << c.code;
    // Overseas: every letter code from A0 to N2 with an even digit.
    for (char letter = 'A'; letter <= 'N'; ++letter)
        for (char digit = '0'; digit <= (letter == 'N' ? '2' : '8'); digit += 2)
            EXPECT_EQ(venueCategory(std::string{letter, digit}), toCp932("海外  ")) << letter << digit;
}

TEST(VenueTables, PredictedOddsCodingAndCodesOfNames) {
    EXPECT_EQ(predictedOddsVenueName("0"), toCp932("京都"));
    EXPECT_EQ(predictedOddsVenueName("05"), toCp932("中山"));
    EXPECT_EQ(predictedOddsVenueName("9"), toCp932("函館"));
    EXPECT_EQ(predictedOddsVenueName("10"), toCp932("ｿﾉ他"));
    EXPECT_EQ(venueCode(toCp932("札幌")), "01");
    EXPECT_EQ(venueCode(toCp932("小倉")), "10");
    EXPECT_EQ(venueCode(toCp932("門別")), "  ");
    EXPECT_EQ(venueCode(toCp932("札幌  ")), "  ");
}

} // namespace
} // namespace zefa
