#include "store/PastRuns.h"
#include "store/RecordFile.h"
#include "store/RunnerGrid.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::LineBuilder;

std::string runner(std::string_view raceNumber, std::string_view horseNumber) {
    return LineBuilder(RecordKind::SE).put(3, "720240106").raceKey("20240106060101").put(26, raceNumber).put(29, horseNumber);
}

TEST(RunnerGrid, ARaceOf14RunnersFillsItsFirst14Slots) {
    test::TempFolder folder;
    const auto file = folder / "2024年01月06日中山.jvSEr";
    EXPECT_FALSE(writeRunner(file, runner("03", "01"), false)); // only the accumulated import makes the file
    EXPECT_FALSE(std::filesystem::exists(file));
    char number[3];
    for (int h = 14; h >= 1; --h) {
        std::snprintf(number, sizeof number, "%02d", h);
        EXPECT_TRUE(writeRunner(file, runner("03", number), true));
    }
    const auto lines = loadLines(file);
    ASSERT_EQ(lines.size(), size_t(kRunnerGridLines));
    const std::string blank(553, ' ');
    for (int i = 0; i < kRunnerGridLines; ++i) {
        const bool filled = i >= 36 && i <= 49;
        EXPECT_EQ(lines[size_t(i)] != blank, filled) << "line " << i;
    }
    EXPECT_EQ(lines[36].substr(28, 2), "01");
    EXPECT_EQ(lines[49].substr(28, 2), "14");
    EXPECT_EQ(readRecords(file, RecordKind::SE)->size(), size_t(kRunnerGridLines));
}

TEST(RunnerGrid, RunnersWithoutASlotAreNotStored) {
    test::TempFolder folder;
    const auto file = folder / "grid.jvSEr";
    for (const auto& [race, horse] : {std::pair{"00", "01"}, {"01", "00"}, {"01", "  "}, {"01", "19"}, {"13", "01"}})
        EXPECT_FALSE(writeRunner(file, runner(race, horse), true)) << race << "/" << horse;
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(runnerGridLine(12, 18), 215);
}

std::string pastRun(std::string_view date, std::string_view registration, std::string_view header = "720240106") {
    return LineBuilder(RecordKind::SE).put(3, header).put(12, date).put(20, "05010201").put(31, registration);
}

TEST(PastRuns, RunsAreKeptInDateOrderWhateverOrderTheyArrive) {
    test::TempFolder folder;
    const ProgramFolder home(folder.path());
    const std::string limit = pastYearLimit({2024, 1, 6});
    EXPECT_EQ(limit, "2009");
    for (const char* date : {"20231105", "20230402", "20231224", "20230402"})
        EXPECT_TRUE(storePastRun(home, pastRun(date, "2019105678", "B20231230"), limit));
    const auto file = folder / "SEI" / "2019" / "2019105678.jvSEI";
    const auto lines = loadLines(file);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(2, 9), "000000000");
    EXPECT_EQ(lines[0].substr(11, 8), "20230402");
    EXPECT_EQ(lines[1].substr(11, 8), "20231105");
    EXPECT_EQ(lines[2].substr(11, 8), "20231224");
}

TEST(PastRuns, OldHorsesAndUnsafeNumbersGetNoFile) {
    test::TempFolder folder;
    const ProgramFolder home(folder.path());
    EXPECT_FALSE(storePastRun(home, pastRun("20231105", "2009101234"), "2009")); // not newer than the limit
    EXPECT_FALSE(storePastRun(home, pastRun("20231105", "2019/../.."), "2009"));
    EXPECT_FALSE(seiFile(home, "2019 05678"));
    EXPECT_FALSE(seirFile(home, "2023110", "44"));
    EXPECT_FALSE(seirFile(home, "20231105", "/."));
    EXPECT_FALSE(std::filesystem::exists(folder / "SEI"));
}

TEST(PastRuns, LocalRacesGoToTheirDateAndVenueFile) {
    test::TempFolder folder;
    const ProgramFolder home(folder.path());
    const std::string race = LineBuilder(RecordKind::RA).put(3, "A20231106").raceKey("2023110544010203");
    EXPECT_TRUE(storePastRace(home, race, "2009"));
    EXPECT_FALSE(storePastRace(home, LineBuilder(RecordKind::RA).raceKey("2008110544010203").line(), "2009"));
    const auto lines = loadLines(folder / "SEIR" / "2023" / "2023110544.jvSERA");
    EXPECT_EQ(lines, (std::vector<std::string>{normalised(race)}));
}

} // namespace
} // namespace zefa
