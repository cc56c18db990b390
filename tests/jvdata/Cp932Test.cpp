#include "jvdata/Cp932.h"
#include "jvdata/Error.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(Cp932, RoundTripsJapaneseTextAndWindowsOnlyCharacters) {
    // "～" and "①" exist only in the Windows code page, not in plain Shift_JIS.
    const std::string utf8 = "ゼファ式オッズ投資法[展開編]～① ｢ｱｲｳ｣";
    const std::string cp932 = toCp932(utf8);
    EXPECT_EQ(cp932.substr(0, 4), "\x83\x5b\x83\x74");
    EXPECT_NE(cp932.find("\x81\x60\x87\x40"), std::string::npos);
    EXPECT_NE(cp932.find("\xa2\xb1\xb2\xb3\xa3"), std::string::npos); // half-width kana are one byte each
    EXPECT_EQ(toUtf8(cp932), utf8);
}

TEST(Cp932, AsciiPassesUnchanged) {
    EXPECT_EQ(toUtf8("RA7 20240106\\x"), "RA7 20240106\\x");
    EXPECT_EQ(toCp932(""), "");
}

TEST(Cp932, BytesThatAreNotCp932AreAClearError) {
    try {
        toUtf8(std::string("ab\x83", 3)); // a lead byte without its trail byte
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("3バイト目"), std::string::npos) << e.what();
    }
    EXPECT_THROW(toUtf8("\xa0\xfd"), Error);
}

TEST(Cp932, CharactersCp932CannotWriteAreAClearError) {
    try {
        toCp932("a😀b");
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("😀"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace zefa
