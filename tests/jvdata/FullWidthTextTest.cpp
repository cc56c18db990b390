#include "jvdata/Cp932.h"
#include "jvdata/FullWidthText.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(FullWidthText, StripRemovesOnlyFullWidthBlanks) {
    EXPECT_EQ(stripFullWidthSpaces(toCp932("　有馬　記念　　")), toCp932("有馬記念"));
    EXPECT_EQ(stripFullWidthSpaces(toCp932(" Ａ B ")), toCp932(" Ａ B "));
    EXPECT_EQ(stripFullWidthSpaces(toCp932("　　")), "");
    // "メ@" is 83 81 40: the bytes 81 40 inside it are no full-width blank.
    ASSERT_EQ(toCp932("メ@"), "\x83\x81\x40");
    EXPECT_EQ(stripFullWidthSpaces(toCp932("メ@")), toCp932("メ@"));
}

} // namespace
} // namespace zefa
