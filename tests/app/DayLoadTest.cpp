#include "app/DayLoad.h"
#include "jvdata/Error.h"
#include "store/RunnerGrid.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"
#include "support/RecordBuilder.h"
#include "support/StartupFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace zefa {
namespace {

using Kind = ScriptedUserPort::Kind;
using test::LineBuilder;

class DayLoadTest : public ::testing::Test, protected test::StartupFixture {
protected:
    DayLoadTest() {
        for (const auto name : ProgramFolder::kStartupFolders) std::filesystem::create_directories(home() / std::string(name));
    }
    std::filesystem::path data(const std::string& name) { return home() / "Data" / name; }

    // Nakayama races 1 and 11 of 2024-01-06, two runners each.
    void writeDay() {
        std::vector<std::string> races;
        for (const char* number : {"01", "11"})
            races.push_back(normalised(LineBuilder(RecordKind::RA).raceKey(std::string("20240106060101") + number).put(874, "1010").put(882, "02")));
        saveLines(data("2024年01月06日.jvRA"), races);
        auto grid = blankRunnerGrid();
        grid[0] = LineBuilder(RecordKind::SE).raceKey("2024010606010101").put(29, "01").put(31, "2019100001");
        grid[1] = LineBuilder(RecordKind::SE).raceKey("2024010606010101").put(29, "02").put(31, "2019100002");
        saveLines(data("2024年01月06日中山.jvSEr"), grid);
    }
    void load(const std::string& day = "2024年01月06日") {
        session().selectedDay = day;
        dateComboChange(session());
    }
};

TEST_F(DayLoadTest, ADayWithoutItsRaceFileIsReported) {
    load();
    EXPECT_EQ(port.events(), (std::vector<ScriptedUserPort::Event>{{Kind::Beep, ""}, {Kind::Information, "データ作成が未完了のようです。"}}));
    EXPECT_TRUE(session().raceList.empty());
}

TEST_F(DayLoadTest, LoadsTheRaceListRunnersAndTheSchedule) {
    writeDay();
    saveFileWhole(home() / "zefa.ini", "[Time]\r\nAutoOzGet=15\r\n[KaimeSet]\r\nDefaultAmount=5000\r\n");
    load();
    EXPECT_EQ(session().raceList, (std::vector<std::string>{"中山 1R", "中山11R"}));
    EXPECT_EQ(session().store.slot(0).runners[1].substr(30, 10), "2019100002");
    const RaceAnalysis& first = session().analyses[0];
    EXPECT_EQ(first.OddsFetchTime1, "0955");
    EXPECT_EQ(first.OddsFetchTime2, "0957");
    EXPECT_EQ(first.AsaFetchTime1, "0945");
    EXPECT_EQ(first.AsaFetchTime2, "0947");
    EXPECT_EQ(session().analyses[2].OddsFetchTime1, ""); // no race in that slot
    EXPECT_EQ(session().raceAmountList, std::vector<std::string>(kRaceSlots, "5000"));
    EXPECT_FALSE(port.progress()); // the progress window is closed at the end
    EXPECT_FALSE(port.texts(Kind::Progress).empty());
    EXPECT_TRUE(session().liveDay); // the clock of the fixture is 2024-01-06
    EXPECT_TRUE(session().quietAcquisition);
}

TEST_F(DayLoadTest, OnlyTodayAndTomorrowEveningAreLive) {
    writeDay();
    const struct { DateTime now; bool live; } cases[] = {
        {{2024, 1, 7, 19, 0, 0}, false}, // the day before yesterday's evening
        {{2024, 1, 5, 19, 0, 0}, true},  // the evening before
        {{2024, 1, 5, 17, 59, 0}, false},
        {{2024, 1, 6, 23, 0, 0}, true},
    };
    for (const auto& c : cases) {
        clock.set(c.now);
        load();
        EXPECT_EQ(session().liveDay, c.live) << formatDateTime(c.now, "yyyy/mm/dd hh:nn");
    }
}

TEST_F(DayLoadTest, LiveAcquisitionStartsOnlyForALiveDayAndStopsAtTheNextLoad) {
    writeDay();
    clock.set({2024, 1, 5, 19, 0, 0}); // the evening before: live
    load();
    const AcquisitionState& live = session().acquisition;
    EXPECT_TRUE(live.resultTimer && live.changeTimer && live.autoOzCheck);
    EXPECT_TRUE(session().quietAcquisition);

    clock.set({2024, 1, 7, 19, 0, 0}); // the evening after: nothing runs
    load();
    EXPECT_FALSE(session().acquisition.resultTimer || session().acquisition.changeTimer);
    EXPECT_FALSE(session().quietAcquisition);
    EXPECT_FALSE(session().liveDay);
}

TEST_F(DayLoadTest, TheFirstRaceIsShownAfterTheLoad) {
    writeDay();
    load();
    EXPECT_EQ(session().selectedRaceSlot, 0);
}

// Every file under a folder with its bytes.
std::map<std::filesystem::path, std::string> snapshot(const std::filesystem::path& folder) {
    std::map<std::filesystem::path, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path()] = *readFileIfExists(entry.path());
    return files;
}

TEST_F(DayLoadTest, DamagedFilesAreReportedByNameAndTheRestOfTheDayLoads) {
    writeDay();
    // A third race of 19 runners, a payout file with a truncated record, and a past-run file
    // holding race records instead of runner records.
    auto races = loadLines(data("2024年01月06日.jvRA"));
    races.push_back(normalised(LineBuilder(RecordKind::RA).raceKey("2024010606010112").put(882, "19")));
    saveLines(data("2024年01月06日.jvRA"), races);
    saveFileWhole(data("2024年01月06日.jvHR"), LineBuilder(RecordKind::HR).raceKey("2024010606010101").record().substr(0, 300));
    const auto sei = home() / "SEI" / "2019" / "2019100001.jvSEI";
    std::filesystem::create_directories(sei.parent_path());
    saveLines(sei, {normalised(LineBuilder(RecordKind::RA).raceKey("2023120306010101"))});
    const auto before = snapshot(home());

    load();
    const auto shown = port.texts(Kind::Information);
    ASSERT_EQ(shown.size(), 1u);
    for (const char* named : {"2024年01月06日.jvHR", "2019100001.jvSEI", "2024年01月06日.jvRA"})
        EXPECT_NE(shown[0].find(named), std::string::npos) << named;
    EXPECT_NE(shown[0].find("19頭"), std::string::npos);
    EXPECT_EQ(session().raceList, (std::vector<std::string>{"中山 1R", "中山11R", "中山12R"}));
    EXPECT_EQ(session().store.slot(0).runners[1].substr(30, 10), "2019100002");
    EXPECT_EQ(snapshot(home()), before); // a load writes nothing
}

TEST_F(DayLoadTest, PredictedOddsAreReadAndABadOneStopsTheLoad) {
    writeDay();
    saveLines(data("2024年01月06日.yoz"), {LineBuilder(RecordKind::Yoz).put(1, "2024010606    11J02").put(20, "  12.5").put(128, "   1.8")});
    load();
    EXPECT_DOUBLE_EQ(session().analyses[1].YozTanOdds[1], 12.5);
    EXPECT_DOUBLE_EQ(session().analyses[1].YozFukOdds[1], 1.8);
    EXPECT_DOUBLE_EQ(session().analyses[1].YozTanOdds[2], 0.0);

    saveLines(data("2024年01月06日.yoz"), {LineBuilder(RecordKind::Yoz).put(1, "2024010606    11J02").put(20, "  12x5")});
    EXPECT_THROW(load(), Error);
    EXPECT_FALSE(port.progress());
}

} // namespace
} // namespace zefa

#include "app/DaySelector.h"

namespace zefa {
namespace {

TEST_F(DayLoadTest, TheNextRaceIsTheNearestPostTimeStillToCome) {
    std::vector<std::string> races;
    const struct { const char* key; const char* post; } card[] = {
        {"2024010606010101", "1525"}, {"2024010606010102", "1540"}, {"2024010608010101", "1540"}};
    for (const auto& race : card) races.push_back(normalised(LineBuilder(RecordKind::RA).raceKey(race.key).put(874, race.post)));
    saveLines(data("2024年01月06日.jvRA"), races);
    load();
    ASSERT_EQ(session().raceList.size(), 3u);

    clock.set({2024, 1, 6, 15, 30, 0});
    EXPECT_EQ(nextRaceBtnClick(session()), 1);
    EXPECT_EQ(session().selectedRaceSlot, 1);
    clock.set({2024, 1, 6, 15, 40, 0});
    EXPECT_EQ(nextRaceBtnClick(session()), std::nullopt); // 1540 is not later than 1540
    clock.set({2024, 1, 7, 9, 0, 0});
    EXPECT_EQ(nextRaceBtnClick(session()), std::nullopt); // not today
}

} // namespace
} // namespace zefa
