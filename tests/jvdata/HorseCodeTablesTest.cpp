#include "jvdata/Cp932.h"
#include "jvdata/HorseCodeTables.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zefa {
namespace {

TEST(HorseCodeTables, Labels) {
    EXPECT_EQ(sexLabel("3"), toCp932("ｾﾝ"));
    EXPECT_EQ(sexLabel("0"), "");
    EXPECT_EQ(coatColourLabel("02"), toCp932("栃栗毛"));
    EXPECT_EQ(coatColourLabel("11"), toCp932("白毛"));
    EXPECT_EQ(coatColourLabel("2"), toCp932("－"));
    EXPECT_EQ(runningStyleLabel("1"), toCp932("逃"));
    EXPECT_EQ(runningStyleLabel("5"), "  ");
    EXPECT_EQ(blinkerLabel("1"), toCp932("○"));
    EXPECT_EQ(blinkerMark("1"), toCp932("ﾌﾞﾘﾝ"));
    EXPECT_EQ(blinkerLabel("0"), toCp932("－"));
    EXPECT_EQ(blinkerMark("0"), " ");
}

TEST(HorseCodeTables, HorseSymbolIsNumeric) {
    EXPECT_EQ(horseSymbolLabel("01"), toCp932("(抽)"));
    EXPECT_EQ(horseSymbolLabel(" 1"), toCp932("(抽)"));
    EXPECT_EQ(horseSymbolLabel("19"), toCp932("(招)(父)(市)"));
    EXPECT_EQ(horseSymbolLabel("41"), toCp932("(父)(外)[地]"));
    EXPECT_EQ(horseSymbolLabel("13"), toCp932("　"));
    EXPECT_EQ(horseSymbolLabel("00"), toCp932("　"));
}

TEST(HorseCodeTables, BreedForms) {
    EXPECT_EQ(breedLabel("2", 1), toCp932("サラ系"));
    EXPECT_EQ(breedLabel("2", 9), toCp932("ｻﾗﾌﾞﾚｯﾄﾞ系種"));
    EXPECT_EQ(breedLabel("5", 9), toCp932("ｱﾝｸﾞﾛｸﾗﾌﾞ"));
    EXPECT_EQ(breedLabel("9", 1), "");
    EXPECT_THROW(breedLabel("1", 2), std::invalid_argument);
}

} // namespace
} // namespace zefa
