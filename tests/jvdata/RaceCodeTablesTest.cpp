#include "jvdata/Cp932.h"
#include "jvdata/RaceCodeTables.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zefa {
namespace {

TEST(RaceCodeTables, TrackLabelsInThreeForms) {
    const struct {
        std::string_view code, label, shortLabel, longLabel;
    } cases[] = {
        {"10", "芝直", "芝直線", "芝 直線"},
        {"11", "芝左", "芝左　", "芝 左回り"},
        {"19", "芝右", "芝右　", "芝 右回り 内→外回り"},
        {"25", "", "ダ左内", "ﾀﾞｰﾄ 左回り 内回り"},
        {"28", "", "ｻﾝﾄﾞ右", "ｻﾝﾄﾞ 右回り"},
        {"51", "障害", "障害　", "障害 芝　襷"},
        {"59", "障害", "障害　", "障害 外２周"},
        {"30", "", "", ""},
        {"  ", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trackLabel(c.code), toCp932(c.label)) << c.code;
        EXPECT_EQ(trackLabelShort(c.code), toCp932(c.shortLabel)) << c.code;
        EXPECT_EQ(trackLabelLong(c.code), toCp932(c.longLabel)) << c.code;
    }
    for (int code = 10; code <= 59; ++code)
        if (code <= 29 || code >= 51) {
            EXPECT_EQ(trackLabelShort(std::to_string(code)).size(), 6u) << code;
        }
}

TEST(RaceCodeTables, WeatherGoingAndWeekday) {
    EXPECT_EQ(weatherLabel("4"), toCp932("小雨"));
    EXPECT_EQ(weatherLabel(" 4"), "");
    EXPECT_EQ(weatherLabel("7"), "");
    EXPECT_EQ(goingLabel("2", 0), toCp932("稍重"));
    EXPECT_EQ(goingLabel("2", 1), toCp932("芝:稍重"));
    EXPECT_EQ(goingLabel("4", 2), toCp932("ダ:不良"));
    EXPECT_EQ(goingLabel("5", 1), "");
    EXPECT_THROW(goingLabel("1", 3), std::invalid_argument);
    EXPECT_EQ(weekdayLabel("0"), toCp932("　"));
    EXPECT_EQ(weekdayLabel("1"), toCp932("土"));
    EXPECT_EQ(weekdayLabel("8"), toCp932("金"));
    EXPECT_EQ(weekdayLabel("9"), "");
}

TEST(RaceCodeTables, GradeLabelsAreFiveBytes) {
    EXPECT_EQ(gradeLabel("A"), "G1   ");
    EXPECT_EQ(gradeLabel("D"), toCp932("重賞 "));
    EXPECT_EQ(gradeLabel("H"), "JG3  ");
    EXPECT_EQ(gradeLabel("L"), "List ");
    EXPECT_EQ(gradeLabel(" "), toCp932("　　 "));
    for (const char* code : {"A", "B", "C", "D", "E", "F", "G", "H", "L", "a", " ", ""})
        EXPECT_EQ(gradeLabel(code).size(), 5u) << code;
}

TEST(RaceCodeTables, RaceTypeLabelsAndTexts) {
    EXPECT_EQ(raceTypeLabel("13", 4), toCp932("サラ３上"));
    EXPECT_EQ(raceTypeLabel("11", 8), toCp932("サラ系２歳　　　"));
    EXPECT_EQ(raceTypeLabel("18", 8), toCp932("サラ障害３歳以上"));
    EXPECT_EQ(raceTypeLabel("99", 4), toCp932("　　　　"));
    EXPECT_EQ(raceTypeLabel("99", 8), toCp932("　　　　　　　　"));
    EXPECT_EQ(raceTypeText("11"), toCp932("ｻﾗ系2歳") + std::string(9, ' '));
    EXPECT_EQ(raceTypeText("99"), std::string(16, ' '));
    for (const char* code : {"11", "12", "13", "14", "18", "19", "21", "22", "23", "24", "15", "1"}) {
        EXPECT_EQ(raceTypeLabel(code, 4).size(), 8u) << code;
        EXPECT_EQ(raceTypeLabel(code, 8).size(), 16u) << code;
        EXPECT_EQ(raceTypeText(code).size(), 16u) << code;
    }
    EXPECT_EQ(weightTypeLabel("1"), toCp932("ﾊﾝﾃﾞ"));
    EXPECT_EQ(weightTypeLabel("4"), toCp932("定量"));
    EXPECT_EQ(weightTypeLabel("0"), "");
}

TEST(RaceCodeTables, RaceSymbolLabelsAreTwentyFourBytes) {
    const struct {
        std::string_view code, label;
    } cases[] = {
        {"001", "(指定)"},
        {"002", "若手騎手"},
        {"A02", "(混合)・若手騎手"},
        {"A31", "(混合)牡・ｾﾝ(指定)"},
        {"K03", "(市)(抽)関西配布馬[指定]"},
        {"N44", "(国際)牡・牝(特指)"},
    };
    const std::string blank = toCp932("　");
    for (const auto& c : cases) {
        std::string expected = toCp932(c.label);
        while (expected.size() < 24) expected += blank;
        EXPECT_EQ(raceSymbolLabel(c.code), expected) << c.code;
    }
    std::string blanks;
    for (int i = 0; i < 12; ++i) blanks += blank;
    for (const char* code : {"000", "A05", "N22", "a00", " 01", "00"}) EXPECT_EQ(raceSymbolLabel(code), blanks) << code;
    for (const char first : std::string_view("0ABCDEFGHIJKLMN"))
        for (const char second : std::string_view("01234"))
            for (const char third : std::string_view("01234"))
                EXPECT_EQ(raceSymbolLabel(std::string{first, second, third}).size(), 24u) << first << second << third;
}

} // namespace
} // namespace zefa
