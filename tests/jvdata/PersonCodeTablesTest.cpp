#include "jvdata/Cp932.h"
#include "jvdata/PersonCodeTables.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zefa {
namespace {

TEST(PersonCodeTables, SexAndLicence) {
    EXPECT_EQ(personSexLabel("2"), toCp932("女"));
    EXPECT_EQ(personSexLabel("0"), toCp932("　"));
    EXPECT_EQ(licenceLabel("1"), toCp932("平・障"));
    EXPECT_EQ(licenceLabel("0"), toCp932("－"));
}

TEST(PersonCodeTables, AffiliationInSevenForms) {
    const std::string_view east[] = {"東", "関東", "美浦", "関東馬", "[東]", "美浦", "美"};
    const std::string_view local[] = {"招待", "地方招待", "招待", "地方招待馬", "[地]", "地方", "地"};
    for (int form = 1; form <= 7; ++form) {
        EXPECT_EQ(affiliationLabel("1", form), toCp932(east[form - 1])) << form;
        EXPECT_EQ(affiliationLabel("3", form), toCp932(local[form - 1])) << form;
        EXPECT_EQ(affiliationLabel("5", form), toCp932("－")) << form;
    }
    EXPECT_EQ(affiliationLabel("4", 4), toCp932("外国招待馬"));
    EXPECT_THROW(affiliationLabel("1", 8), std::invalid_argument);
}

TEST(PersonCodeTables, ApprenticeLabelsAndMarks) {
    EXPECT_EQ(apprenticeLabel("9"), toCp932("2kg減"));
    EXPECT_EQ(apprenticeLabel("0"), toCp932("　"));
    EXPECT_EQ(apprenticeMark("1", 1), toCp932("☆"));
    EXPECT_EQ(apprenticeMark("3", 2), toCp932("3kg減"));
    EXPECT_EQ(apprenticeMark("9", 9), toCp932("2kg減(◇)"));
    EXPECT_EQ(apprenticeMark("0", 1), toCp932("　"));
    EXPECT_EQ(apprenticeMark("0", 2), toCp932("－"));
    EXPECT_EQ(apprenticeMark("0", 9), toCp932("－"));
}

} // namespace
} // namespace zefa
