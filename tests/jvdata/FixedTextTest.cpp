#include "jvdata/FixedText.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(FixedText, AddMinutesShiftsTheClockWithoutWrapping) {
    const struct {
        const char* hhmm;
        int minutes;
        const char* expected;
    } cases[] = {
        {"0945", 2, "0947"}, {"1510", -10, "1500"}, {"0959", 5, "1004"}, {"2350", 30, "2420"},
        {"0000", 0, "0000"}, {"0945  ", 15, "1000"},
        {"0005", -10, "0000"}, // nothing before midnight
        {"", 5, ""},           {"    ", 5, ""},      {"09:5", 1, ""},    {"ab45", 1, ""}, {"094", 1, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(addMinutes(c.hhmm, c.minutes), c.expected) << c.hhmm << " " << c.minutes;
}

TEST(FixedText, OverwriteAtReplacesBytesAndStaysInsideTheText) {
    const struct {
        std::string_view text;
        std::string_view piece;
        int position;
        std::string_view expected;
    } cases[] = {
        {"O1720240106" "2024010606010101", "000000000", 3, "O1000000000" "2024010606010101"},
        {"abcdef", "XY", 1, "XYcdef"},
        {"abcdef", "XY", 6, "abcdeXY"},   // the replaced run stops at the end
        {"abcdef", "XY", 7, "abcdefXY"},  // just past the end appends
        {"abcdef", "XY", 40, "abcdefXY"}, // further out too
        {"abcdef", "XY", 0, "XYcdef"},
        {"abcdef", "XY", -3, "XYcdef"},
        {"abcdef", "", 3, "abcdef"},
        {"", "XY", 1, "XY"},
        {"\x82\xa0\x82\xa2", "A", 2, "\x82" "A" "\x82\xa2"}, // bytes, not characters
    };
    for (const auto& c : cases)
        EXPECT_EQ(overwriteAt(c.text, c.piece, c.position), c.expected) << c.text << " at " << c.position;
}

} // namespace
} // namespace zefa
