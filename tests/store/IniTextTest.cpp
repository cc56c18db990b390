#include "store/IniText.h"
#include "jvdata/Error.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(IniText, FindsValuesWithoutRegardToCaseAndTrimsThem) {
    const IniText ini("; comment\r\n[Locate]\r\n  TOP = 25 \r\nleft=\r\nnonsense line\r\n[Dir]\nzpctohyo2=C:\\x\n");
    EXPECT_EQ(ini.value("locate", "top"), "25");
    EXPECT_EQ(ini.value("LOCATE", "Left"), "");
    EXPECT_EQ(ini.value("Dir", "ZPCTohyo2"), "C:\\x");
    EXPECT_FALSE(ini.value("locate", "width"));
    EXPECT_FALSE(ini.value("Time", "First"));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Locate", "Dir"}));
    EXPECT_EQ(ini.keys("locate"), (std::vector<std::string>{"TOP", "left"}));
}

TEST(IniText, SetValueReplacesAddsToItsSectionOrAddsTheSection) {
    IniText ini("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
    ini.setValue("A", "X", "10");
    ini.setValue("a", "z", "3");
    ini.setValue("c", "w", "4");
    EXPECT_EQ(ini.text(), "[a]\r\nX=10\r\nz=3\r\n\r\n[b]\r\ny=2\r\n[c]\r\nw=4\r\n");
    EXPECT_THROW(ini.setValue("a", "x", "two\r\nlines"), Error);
}

TEST(IniText, SecondBytesOfCp932CharactersAreNeitherFoldedNorBrackets) {
    // "ア" is 83 41 and "ャ" 83 61: folding the second byte would make them one name.
    IniText ini("[\x83\x41]\r\nk=1\r\n");
    EXPECT_EQ(ini.value("\x83\x41", "k"), "1");
    EXPECT_FALSE(ini.value("\x83\x61", "k"));
    // "―" is 81 5D: its second byte is not the closing bracket.
    ini.setValue("x\x81\x5D", "k", "2");
    EXPECT_EQ(ini.value("x\x81\x5D", "k"), "2");
    EXPECT_EQ(ini.sections().back(), "x\x81\x5D");
}

TEST(IniText, Utf8TextFindsUtf8Sections) {
    const IniText ini("[投票プラグイン２]\nInno Setup: App Path = /opt/zpc\n", IniText::Encoding::Utf8);
    EXPECT_EQ(ini.value("投票プラグイン２", "inno setup: app path"), "/opt/zpc");
}

} // namespace
} // namespace zefa
