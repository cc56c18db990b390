#include "store/DayFileSet.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(DayFileSet, NamesEveryFileOfTheDay) {
    const ProgramFolder folder("/zefa");
    const DayFileSet day(folder, "2024年01月06日");
    EXPECT_EQ(day.file(DayFile::Races), "/zefa/Data/2024年01月06日.jvRA");
    EXPECT_EQ(day.file(DayFile::MorningOdds), "/zefa/Data/2024年01月06日.jvO1a");
    EXPECT_EQ(day.file(DayFile::TrifectaOdds), "/zefa/Data/2024年01月06日.jvO6");
    EXPECT_EQ(day.file(DayFile::PredictedOdds), "/zefa/Data/2024年01月06日.yoz");
    EXPECT_EQ(day.runnerFile("06"), "/zefa/Data/2024年01月06日中山.jvSEr");
    EXPECT_EQ(day.changeFile(), "/zefa/CHG/2024年01月06日.TC");
    EXPECT_EQ(day.changeStateFile(), "/zefa/CHG/2024年01月06日.NEW");
    EXPECT_EQ(dayFileRow(DayFile::TrioOdds).kind, RecordKind::O5);
}

} // namespace
} // namespace zefa

#include "store/DayBaseName.h"

namespace zefa {
namespace {

TEST(DayBaseName, NamesADateAndIsFoundAtTheStartOfAFileName) {
    EXPECT_EQ(dayBaseName({2007, 3, 4}), "2007年03月04日");
    EXPECT_EQ(dayBaseNamePrefix("2007年03月04日中山.jvSEr"), "2007年03月04日");
    for (const char* name : {"2007年3月04日.jvRA", "2007-03-04.jvRA", "2007年03月0", "x2007年03月04日"})
        EXPECT_FALSE(dayBaseNamePrefix(name)) << name;
    EXPECT_LT(dayBaseName({2023, 12, 30}), dayBaseName({2024, 1, 6})); // text order is date order
}

} // namespace
} // namespace zefa
