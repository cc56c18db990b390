#include "jvdata/Cp932.h"
#include "jvdata/RaceClassTexts.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(RaceClassTexts, ClassText) {
    EXPECT_EQ(classText("005"), toCp932("1勝ｸﾗｽ"));
    EXPECT_EQ(classText("100"), toCp932("1億下"));
    EXPECT_EQ(classText("999"), toCp932("オープン"));
    EXPECT_EQ(classText("050"), "");
}

TEST(RaceClassTexts, ConditionLabel) {
    const struct {
        std::string_view raceType;
        AgeConditions conditions;
        std::string_view expected;
    } cases[] = {
        {"19", {"000", "000", "999", "999"}, "4歳上オープン"},
        {"13", {"000", "005", "005", "005"}, "3歳上1勝ｸﾗｽ  3歳上1勝ｸﾗｽ  3歳上1勝ｸﾗｽ"},
        {"13", {"000", "100", "100", "100"}, "3歳上1億下  3歳上1億下  3歳上1億下"},
        {"13", {"000", "999", "999", "999"}, "3歳上オープン"},
        {"14", {"000", "000", "010", "016"}, "4歳上2勝ｸﾗｽ  4歳上3勝ｸﾗｽ"},
        {"14", {"000", "000", "701", "701"}, "4歳上新馬"},
        {"18", {"000", "703", "703", "703"}, "3歳上未勝利"},
        {"11", {"701", "000", "000", "000"}, "2歳新馬"},
        {"12", {"000", "702", "000", "000"}, "3歳未出走"},
        {"21", {"703", "000", "000", "000"}, "未勝利"},
        {"23", {"000", "016", "016", "016"}, "3勝ｸﾗｽ  3勝ｸﾗｽ  3勝ｸﾗｽ"},
        {"15", {"005", "005", "005", "005"}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(conditionLabel(c.raceType, c.conditions), toCp932(c.expected)) << c.expected;
}

TEST(RaceClassTexts, CsvConditionLabel) {
    EXPECT_EQ(csvConditionLabel("19", "999"), toCp932("障4歳上ｵｰﾌﾟﾝ"));
    EXPECT_EQ(csvConditionLabel("12", "100"), toCp932("3歳10000"));
    EXPECT_EQ(csvConditionLabel("11", "701"), toCp932("2歳新馬"));
    EXPECT_EQ(csvConditionLabel("14", "005"), toCp932("4歳上1勝ｸﾗｽ"));
}

TEST(RaceClassTexts, RaceClassLabel) {
    const struct {
        std::string_view condition, grade, shortName, expected;
    } cases[] = {
        {"999", "A", "有馬記念", "GⅠ有馬記念"},
        {"999", "L", "白富士Ｓ", "Lst白富士Ｓ"},
        {"701", " ", "", "新馬"},
        {"005", "E", "特別戦", "1勝ｸﾗｽ"},
        {"016", " ", "", "3勝ｸﾗｽ"},
        {"999", " ", "白富士Ｓ　", "白富士Ｓ　"},
        {"999", " ", "　　", "ｵｰﾌﾟﾝ"},
        {"050", " ", "", "5000下"},
        {"001", " ", "", " 100下"},
        {"000", "D", "", "重賞"},      // "   0下" becomes a blank, then the grade's word
        {"000", "E", "　　", "特別"},
        {"000", " ", "", " "},
        {"   ", "D", "", "重賞"},
        {"   ", " ", "ｵｰﾌﾟﾝ特別　", "ｵｰﾌﾟﾝ特別　"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(raceClassLabel(c.condition, c.grade, toCp932(c.shortName)), toCp932(c.expected))
            << c.condition << c.grade << c.expected;
}

} // namespace
} // namespace zefa
