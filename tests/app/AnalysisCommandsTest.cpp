#include "app/AnalysisCommands.h"
#include "support/StartupFixture.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

class ResetTest : public ::testing::Test, protected test::StartupFixture {};

TEST_F(ResetTest, EveryRaceSlotReturnsToItsResetValues) {
    Session& s = session();
    ASSERT_EQ(s.analyses.size(), size_t(kRaceSlots));
    RaceAnalysis& dirty = s.analyses[35];
    dirty.PositionPattern = "ab";
    dirty.HyokaMark[3] = " AA";
    dirty.AsaRankGap[3] = 4;
    dirty.TanNinki[3] = 1;
    dirty.SRTOdds[kOrderedTriples] = 123.4;
    dirty.KeshiFlag[18] = 1;
    dirty.JikuFlag[1] = 1;
    dirty.Rule = {1, 1, 1, 2, 4, 1, 1, 1, 1};
    dirty.OddsFetchTime1 = "1450";

    iniBtnClick(s);

    for (const RaceAnalysis& a : s.analyses) {
        EXPECT_EQ(a.PositionPattern, "--");
        EXPECT_EQ(a.Rule, (RuleValues{0, 0, 0, 5, 0, 0, 0, 0, 6}));
        EXPECT_EQ(a.OddsFetchTime1, "");
        EXPECT_EQ(a.MiokuriFlag, 0);
        EXPECT_EQ(a.SRTOdds[kOrderedTriples], 0.0);
        for (int h = 1; h <= kMaxHorses; ++h) {
            EXPECT_EQ(a.AsaRankGap[size_t(h)], 999);
            EXPECT_EQ(a.HyokaMark[size_t(h)], "");
            EXPECT_EQ(a.TanNinki[size_t(h)] + a.FukNinki[size_t(h)] + a.TenkaiRank[size_t(h)], 0);
            EXPECT_EQ(a.KeshiFlag[size_t(h)] + a.JikuFlag[size_t(h)] + a.HimoFlag[size_t(h)], 0);
        }
    }
}

} // namespace
} // namespace zefa
