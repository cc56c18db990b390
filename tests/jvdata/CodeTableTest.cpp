#include "jvdata/CodeTable.h"
#include "jvdata/Cp932.h"
#include "jvdata/FullWidthText.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zefa {
namespace {

constexpr CodeRow<2> kRows[] = {{"1", "晴", "ﾊﾚ"}, {"10", "小雨", "ｺｻﾒ"}};

TEST(CodeTable, MatchesCodesExactlyAndFallsBack) {
    const CodeTable table(kRows, {{.fallback = "－"}, {}});
    EXPECT_EQ(table.label("1"), toCp932("晴"));
    EXPECT_EQ(table.label("10", 1), toCp932("ｺｻﾒ"));
    for (const char* other : {" 1", "1 ", "01", "", "2"}) {
        EXPECT_EQ(table.label(other), toCp932("－")) << '"' << other << '"';
        EXPECT_EQ(table.label(other, 1), "") << '"' << other << '"';
    }
}

TEST(CodeTable, NumericFieldsMatchByTheirNumber) {
    const CodeTable table(kRows, {{}, {}});
    for (const char* field : {"1", "01", " 1", "001"}) EXPECT_EQ(table.labelOfNumber(field), toCp932("晴")) << field;
    EXPECT_EQ(table.labelOfNumber("10"), toCp932("小雨"));
    EXPECT_EQ(table.labelOfNumber("  "), "");
}

TEST(CodeTable, FillsLabelsAndFallbacksToTheColumnWidth) {
    const CodeTable table(kRows, {{.width = 6, .fill = kFullWidthBlank}, {.fallback = "?", .width = 5}});
    EXPECT_EQ(table.label("1"), toCp932("晴　　"));
    EXPECT_EQ(table.label("9"), toCp932("　　　"));
    EXPECT_EQ(table.label("10", 1), toCp932("ｺｻﾒ  "));
    EXPECT_EQ(table.label("9", 1), "?    ");
}

TEST(CodeTable, FormColumnsAndUnknownForms) {
    constexpr int forms[] = {2, 3};
    EXPECT_EQ(formColumn(forms, 2), 0u);
    EXPECT_EQ(formColumn(forms, 3), 1u);
    EXPECT_THROW(formColumn(forms, 1), std::invalid_argument);
}

} // namespace
} // namespace zefa
