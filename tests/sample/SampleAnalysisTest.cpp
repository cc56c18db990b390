#include "analysis/AxisSelection.h"
#include "app/DayLoad.h"
#include "app/MenuCommands.h"
#include "sample/SampleData.h"
#include "support/StartupFixture.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

// The analysis of whole sample days, as the day load runs it.
class SampleAnalysisTest : public ::testing::Test, protected test::StartupFixture {
protected:
    SampleAnalysisTest() : made(makeSample({home(), 5, 3, {2026, 12, 6}, std::nullopt})) {
        clock.set({2026, 12, 20, 12, 0, 0}); // long after the sample days: nothing is live
    }
    // Calls `check` for every race of every sample day that has latest odds.
    template <class Check>
    void forEveryRaceWithOdds(Check check) {
        for (const auto& day : made.days) {
            session().selectedDay = day;
            dateComboChange(session());
            for (size_t k = 0; k < session().raceList.size(); ++k) {
                const RaceAnalysis& race = session().analyses[k];
                const int runners = session().store.slot(int(k)).registeredRunners();
                if (std::count_if(race.TanNinki.begin(), race.TanNinki.end(), [](int n) { return n > 0; }) == 0) continue;
                check(day + " " + session().raceList[k], race, runners);
            }
        }
    }
    static int count(const ByHorse<int>& flags) { return int(std::count(flags.begin(), flags.end(), 1)); }

    SampleSummary made;
};

TEST_F(SampleAnalysisTest, SomeRacesHaveMarksAndEveryRaceHasAPlaceFavouriteAxis) {
    session().menu.kaimeMode = int(KaimeMode::FukniMode);
    int races = 0, marked = 0;
    forEveryRaceWithOdds([&](const std::string& name, const RaceAnalysis& race, int) {
        ++races;
        marked += std::any_of(race.HyokaMark.begin(), race.HyokaMark.end(),
                              [](const std::string& mark) { return !mark.empty() && mark != "  X"; });
        EXPECT_EQ(count(race.JikuFlag), 1) << name;
        EXPECT_GT(count(race.HimoFlag), 0) << name;
    });
    EXPECT_GT(races, 60);
    EXPECT_GT(marked, 0);
    EXPECT_LT(marked, races);
}

TEST_F(SampleAnalysisTest, NoModeEverChoosesAnEliminatedHorse) {
    for (int n = 1; n <= 5; ++n) session().settings.writeBool(Setting::Keshi, true, n);
    for (int mode = 0; mode < 4; ++mode) {
        session().menu.kaimeMode = mode;
        int eliminated = 0, chosen = 0;
        forEveryRaceWithOdds([&](const std::string& name, const RaceAnalysis& race, int runners) {
            for (int h = 1; h <= kMaxHorses; ++h) {
                const size_t i = size_t(h);
                eliminated += race.KeshiFlag[i];
                chosen += race.JikuFlag[i] + race.HimoFlag[i];
                if (race.KeshiFlag[i] || h > runners)
                    EXPECT_FALSE(race.JikuFlag[i] || race.HimoFlag[i]) << name << " horse " << h << " mode " << mode;
            }
        });
        EXPECT_GT(eliminated, 0) << mode;
        EXPECT_GT(chosen, 0) << mode;
    }
}

TEST_F(SampleAnalysisTest, ChangingTheModeRecomputesTheLoadedDay) {
    session().selectedDay = made.days.back();
    dateComboChange(session());
    const auto before = session().analyses;
    kaimeModeClick(session(), int(KaimeMode::FukniMode));
    EXPECT_EQ(session().settings.readInt(Setting::KaimeModeSelected), 1);
    int changed = 0;
    for (int k = 0; k < kRaceSlots; ++k) changed += session().analyses[size_t(k)].JikuFlag != before[size_t(k)].JikuFlag;
    EXPECT_GT(changed, 0);
}

} // namespace
} // namespace zefa
