#include "jvdata/DateTime.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(DateTime, FormatsThePatternsTheProgramWrites) {
    const DateTime t{2024, 1, 6, 9, 5, 7};
    EXPECT_EQ(formatDateTime(t, "yyyy/mm/dd hh:nn:ss"), "2024/01/06 09:05:07");
    EXPECT_EQ(formatDateTime(t, "yyyymmdd"), "20240106");
    EXPECT_EQ(formatDateTime(t, "hhnn"), "0905");
    EXPECT_EQ(formatDateTime(t, "【エラー】hh:nn:ss"), "【エラー】09:05:07");
}

TEST(DateTime, ParsesDigitsAndRejectsImpossibleDates) {
    EXPECT_EQ(parseDateTime("20240229"), (DateTime{2024, 2, 29}));
    EXPECT_EQ(parseDateTime("20240106153000"), (DateTime{2024, 1, 6, 15, 30, 0}));
    EXPECT_EQ(parseDateTime("202401061530"), (DateTime{2024, 1, 6, 15, 30, 0}));
    for (const char* bad : {"20230229", "20241301", "2024010", "2024010615300x", "20240106246000", ""})
        EXPECT_FALSE(parseDateTime(bad)) << bad;
}

TEST(DateTime, AddDaysCrossesMonthsAndYears) {
    EXPECT_EQ(addDays({2023, 12, 31, 19, 0, 0}, 1), (DateTime{2024, 1, 1, 19, 0, 0}));
    EXPECT_EQ(addDays({2024, 3, 1}, -1), (DateTime{2024, 2, 29}));
    EXPECT_EQ(addDays({2024, 12, 11}, -365), (DateTime{2023, 12, 12}));
}

} // namespace
} // namespace zefa
