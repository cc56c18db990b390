#include "jvdata/Cp932.h"
#include "jvdata/ResultCodeTables.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(ResultCodeTables, AnomalyLabelsAreEightBytes) {
    EXPECT_EQ(anomalyLabel("1"), toCp932("出走取消"));
    EXPECT_EQ(anomalyLabel("5"), toCp932("失格    "));
    EXPECT_EQ(anomalyLabel("7"), toCp932("降着　　"));
    EXPECT_EQ(anomalyLabel("0"), "        ");
    for (const char* code : {"0", "1", "2", "3", "4", "5", "6", "7", "8", " "})
        EXPECT_EQ(anomalyLabel(code).size(), 8u) << code;
}

TEST(ResultCodeTables, MarginLabelsOfTrimmedCodes) {
    const struct {
        std::string_view code, form1, form9;
    } cases[] = {
        {"12 ", "1/2", "1/2馬身  "},  {"112", "1_1/2", "1_1/2馬身"}, {"  1", "1", "1馬身    "},
        {"7  ", "7", "7馬身    "},    {"H  ", "ハナ", "ハナ     "},  {"A", "ｱﾀﾏ", "ｱﾀﾏ      "},
        {"Z  ", "10", "10馬身   "},   {"X  ", "", "         "},    {"   ", "", "         "},
        {"10 ", "", "         "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(marginLabel(c.code, 1), toCp932(c.form1)) << c.code;
        EXPECT_EQ(marginLabel(c.code, 9), toCp932(c.form9)) << c.code;
        EXPECT_EQ(marginLabel(c.code, 9).size(), 9u) << c.code;
    }
}

} // namespace
} // namespace zefa
