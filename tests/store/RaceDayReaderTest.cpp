#include "store/DayBaseName.h"
#include "store/RaceDayReader.h"
#include "store/RunnerGrid.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::LineBuilder;

class RaceDayReaderTest : public ::testing::Test {
protected:
    RaceDayReaderTest() {
        for (const auto name : ProgramFolder::kStartupFolders) std::filesystem::create_directories(folder / std::string(name));
    }

    static std::string race(std::string_view key, std::string_view runners, std::string_view name = "") {
        return normalised(LineBuilder(RecordKind::RA).raceKey(key).put(882, runners).put(33, name).line());
    }
    static std::string runner(std::string_view key, std::string_view horse, std::string_view id) {
        return LineBuilder(RecordKind::SE).raceKey(key).put(29, horse).put(31, id);
    }
    void writeSei(std::string_view id, const std::vector<std::string>& keys) {
        std::vector<std::string> lines;
        for (const auto& key : keys) lines.push_back(normalised(runner(key, "01", id)));
        sortStoredLines(lines);
        const auto file = folder / "SEI" / std::string(id.substr(0, 4)) / (std::string(id) + ".jvSEI");
        std::filesystem::create_directories(file.parent_path());
        saveLines(file, lines);
    }

    test::TempFolder folder;
    ProgramFolder home{folder.path()};
    DayFileSet day{home, "2024年01月06日"};
    RaceDayStore store;
    RaceDayReader reader{home, day, store};
};

TEST_F(RaceDayReaderTest, ReadsRacesRunnersAndFiveRunsBeforeTheDayNewestFirst) {
    saveLines(day.file(DayFile::Races), {race("2024010606010101", "02"), race("2024010606010102", "01")});
    auto grid = blankRunnerGrid();
    grid[0] = runner("2024010606010101", "01", "2019100001");
    grid[1] = runner("2024010606010101", "02", "2019100002");
    grid[18] = runner("2024010606010102", "01", "2019100003");
    saveLines(day.runnerFile("06"), grid);
    // Seven runs, one of them after the day: the five before it are kept.
    writeSei("2019100001", {"2023060305010101", "2023070305010101", "2023080305010101", "2023090305010101",
                            "2023100305010101", "2023110305010101", "2024020305010101"});

    ASSERT_EQ(reader.readRaces(), 2);
    EXPECT_TRUE(reader.readRunners(0));
    EXPECT_TRUE(reader.readRunners(1));
    reader.readPastRuns(0, 0);
    reader.readPastRuns(0, 1); // no past-run file

    const auto& slot = store.slot(0);
    EXPECT_EQ(slot.runners[1].substr(30, 10), "2019100002");
    EXPECT_EQ(slot.runners[2], std::string(555, ' '));
    EXPECT_EQ(store.slot(1).runners[0].substr(30, 10), "2019100003");
    const char* expected[] = {"20231103", "20231003", "20230903", "20230803", "20230703"};
    for (int j = 0; j < kPastRuns; ++j) {
        EXPECT_EQ(slot.pastRuns[0][size_t(j)].substr(11, 8), expected[j]) << j;
        EXPECT_EQ(slot.pastRaces[0][size_t(j)].substr(11, 16), slot.pastRuns[0][size_t(j)].substr(11, 16));
    }
    EXPECT_EQ(slot.pastRuns[1][0], std::string(555, ' '));
}

TEST_F(RaceDayReaderTest, PastRacesComeFromTheirDayFileOrTheLocalArchive) {
    saveLines(day.file(DayFile::Races), {race("2024010606010101", "01")});
    auto grid = blankRunnerGrid();
    grid[0] = runner("2024010606010101", "01", "2019100001");
    saveLines(day.runnerFile("06"), grid);
    writeSei("2019100001", {"2023110544010203", "2023120905040407", "2023121644010101"});
    const DayFileSet pastDay(home, "2023年12月09日");
    saveLines(pastDay.file(DayFile::Races), {race("2023120906040407", "16", "other venue"), race("2023120905040407", "16", "Tokyo")});
    std::filesystem::create_directories(folder / "SEIR" / "2023");
    saveLines(folder / "SEIR" / "2023" / "2023110544.jvSERA", {race("2023110544010203", "12", "Oi")});

    reader.readRaces();
    reader.readRunners(0);
    reader.readPastRuns(0, 0);
    reader.readPastRaces(0, 0);
    const auto& races = store.slot(0).pastRaces[0];
    EXPECT_EQ(races[0].substr(11, 16), "2023121644010101"); // archive missing: only the key
    EXPECT_EQ(races[0].substr(32, 5), "     ");
    EXPECT_EQ(races[1].substr(32, 5), "Tokyo");
    EXPECT_EQ(races[2].substr(32, 2), "Oi");
}

TEST_F(RaceDayReaderTest, PayoutsAndPredictedOddsFindTheirRace) {
    saveLines(day.file(DayFile::Races), {race("2024010606010101", "10"), race("2024010606010102", "10"), race("2024010608010102", "10")});
    saveLines(day.file(DayFile::Payouts), {LineBuilder(RecordKind::HR).raceKey("2024010608010102").put(103, "07"),
                                           LineBuilder(RecordKind::HR).raceKey("2024010605010102").put(103, "09")});
    // Kyoto race 2 in the 0..9 venue coding ("0"), Nakayama race 1 in JV-Data coding.
    saveLines(day.file(DayFile::PredictedOdds), {LineBuilder(RecordKind::Yoz).put(1, "20240106 0    02K10").put(20, "   3.4"),
                                                 LineBuilder(RecordKind::Yoz).put(1, "2024010606    01J10").put(20, "  12.5")});
    reader.readRaces();
    reader.readPayouts();
    reader.readPredictedOdds();
    EXPECT_EQ(store.slot(2).payout.substr(102, 2), "07");
    EXPECT_EQ(store.slot(0).payout, std::string(719, ' '));
    EXPECT_EQ(store.slot(2).predictedOdds.substr(19, 6), "   3.4");
    EXPECT_EQ(store.slot(0).predictedOdds.substr(19, 6), "  12.5");
    EXPECT_EQ(store.slot(1).predictedOdds, std::string(1461, ' '));
}

} // namespace
} // namespace zefa
