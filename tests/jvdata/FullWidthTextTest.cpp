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

namespace zefa {
namespace {

TEST(Cp932Prefix, NeverCutsADoubleByteCharacter) {
    const std::string name = "\x83\x5b\x83\x74\x83\x40"; // ゼファ
    EXPECT_EQ(cp932Prefix(name, 4), name.substr(0, 4));
    EXPECT_EQ(cp932Prefix(name, 5), name.substr(0, 4));
    EXPECT_EQ(cp932Prefix("ab\xb1\x83\x5b", 4), "ab\xb1");
    EXPECT_EQ(cp932Prefix("ab", 18), "ab");
}

} // namespace
} // namespace zefa
