#include "bets/BetGeneration.h"
#include "BetTestRace.h"

#include "jvdata/Combinations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::BetTestRace;
using test::combinations;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

std::vector<std::string> listOf(BetType type, const BetTestRace& race, const BetChecks& checks = {}) {
    return combinations(generateBetList(type, betSource(race.records, race.analysis, checks)));
}

TEST(BetGeneration, WithoutAnAxisEveryListIsOneEmptyRow) {
    BetTestRace race(12);
    race.partners({1, 2, 3});
    for (const BetList& list : buildBetLists(race.records, race.analysis, {})) {
        EXPECT_EQ(list.rows.size(), 2u) << int(list.type);
        EXPECT_THAT(combinations(list), IsEmpty());
        EXPECT_EQ(list.rows[0][2], "買い目");
        for (const BetLabel& label : list.labels) EXPECT_EQ(label.text, "");
    }
}

TEST(BetGeneration, AWinBetOnAnEvaluationHorseOnlyWithoutTan1Check) {
    BetTestRace race(12);
    race.axes({3}).partners({1, 5});
    race.analysis.HyokaMark[3] = " AA";
    EXPECT_THAT(listOf(BetType::Win, race, {.Tan1Check = true}), IsEmpty());
    EXPECT_THAT(listOf(BetType::Win, race, {.Tan1Check = false}), ElementsAre(" 3"));
    race.analysis.HyokaMark[3] = "   ";
    EXPECT_THAT(listOf(BetType::Win, race, {.Tan1Check = true}), ElementsAre(" 3"));
}

TEST(BetGeneration, TwoAxesAreOrderedByDevelopmentRank) {
    BetTestRace race(12);
    race.axes({3, 7}).partners({1});
    race.analysis.TenkaiRank[3] = 5;
    race.analysis.TenkaiRank[7] = 2;
    race.analysis.HyokaMark[7] = " AA"; // Tan1Check does not apply to two axes
    EXPECT_THAT(listOf(BetType::Win, race), ElementsAre(" 7"));
    EXPECT_THAT(listOf(BetType::Place, race), ElementsAre(" 7"));
    EXPECT_THAT(listOf(BetType::Quinella, race), ElementsAre(" 1- 3", " 1- 7", " 3- 7"));
    EXPECT_THAT(listOf(BetType::Wide, race), ElementsAre(" 1- 3", " 1- 7"));
    const auto exacta = listOf(BetType::Exacta, race, {.UT1Check = false, .UT2Check = false});
    EXPECT_THAT(exacta, ElementsAre(" 3- 7", " 7- 3"));
    const auto trifecta = listOf(BetType::Trifecta, race);
    EXPECT_THAT(trifecta, Contains(" 7- 3- 1"));
    EXPECT_THAT(trifecta, Contains(" 3- 7- 1"));

    race.analysis.TenkaiRank[7] = 0; // an unranked second axis does not go first
    EXPECT_THAT(listOf(BetType::Win, race), ElementsAre(" 3"));
}

TEST(BetGeneration, ExactaAndTrifectaFollowTheirSettings) {
    BetTestRace race(12);
    race.axes({3}).partners({1, 5});
    EXPECT_THAT(listOf(BetType::Exacta, race, {.UT1Check = true, .UT2Check = false}), ElementsAre(" 3- 1", " 3- 5"));
    EXPECT_THAT(listOf(BetType::Exacta, race, {.UT1Check = false, .UT2Check = true}), ElementsAre(" 1- 3", " 5- 3"));
    EXPECT_THAT(listOf(BetType::Trifecta, race, {.SRT1Check = false, .SRT2Check = true, .SRT3Check = false}),
                ElementsAre(" 1- 3- 5", " 5- 3- 1"));
}

TEST(BetGeneration, ThreeAxesGiveNoWinExactaOrTrifecta) {
    BetTestRace race(12);
    race.axes({2, 5, 9}).partners({1, 4});
    EXPECT_THAT(listOf(BetType::Win, race), IsEmpty());
    EXPECT_THAT(listOf(BetType::Exacta, race), IsEmpty());
    EXPECT_THAT(listOf(BetType::Trifecta, race), IsEmpty());
    EXPECT_THAT(listOf(BetType::Place, race), ElementsAre(" 2"));
    EXPECT_THAT(listOf(BetType::Quinella, race), ElementsAre(" 1- 2", " 1- 5", " 1- 9", " 2- 4", " 4- 5", " 4- 9"));
    // Every axis with both partners, and the first two axes with each partner.
    EXPECT_THAT(listOf(BetType::Trio, race), ElementsAre(" 1- 2- 4", " 1- 2- 5", " 1- 4- 5", " 1- 4- 9", " 2- 4- 5"));
    // 12 runners: brackets 1-4 hold one horse, 5-8 two (horses 5..12).
    EXPECT_THAT(listOf(BetType::BracketQuinella, race),
                ElementsAre(" 1- 2", " 1- 5", " 1- 7", " 2- 4", " 2- 5", " 2- 7", " 4- 5", " 4- 7", " 5- 7"));
}

TEST(BetGeneration, AnAxisThatIsAlsoAPartnerDoesNotPairWithItself) {
    BetTestRace race(12);
    race.axes({3}).partners({3, 5});
    EXPECT_THAT(listOf(BetType::Quinella, race), ElementsAre(" 3- 5"));
    EXPECT_THAT(listOf(BetType::Trio, race), IsEmpty());
}

struct BracketCase {
    int runners;
    bool quinellaRecord;
    std::vector<int> axes;
    std::vector<int> partners;
    std::vector<std::string> expected;
};

class BracketQuinella : public ::testing::TestWithParam<BracketCase> {};

TEST_P(BracketQuinella, PairsTheBracketsOfTheHorses) {
    const BracketCase& c = GetParam();
    BetTestRace race(c.runners, c.quinellaRecord);
    race.axes(c.axes).partners(c.partners);
    EXPECT_EQ(listOf(BetType::BracketQuinella, race), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BracketQuinella,
                         ::testing::Values(BracketCase{8, true, {1}, {2}, {}},                       // too few runners
                                           BracketCase{9, false, {1}, {2}, {}},                      // no O2 record
                                           BracketCase{9, true, {1}, {9}, {" 1- 8"}},
                                           BracketCase{17, true, {15}, {16, 17}, {" 8- 8"}},
                                           BracketCase{18, true, {13}, {15, 16}, {" 7- 7", " 7- 8"}},
                                           BracketCase{18, true, {16}, {18}, {" 8- 8"}},
                                           BracketCase{18, true, {17, 18}, {}, {" 8- 8"}}));    // two axes

TEST(BetGeneration, CombinationsWithoutOddsAreDropped) {
    BetTestRace race(12);
    race.axes({3}).partners({1, 5});
    race.analysis.UROdds[size_t(comboOrdinal(BetType::Quinella, " 1- 3"))] = -1;
    EXPECT_THAT(listOf(BetType::Quinella, race), ElementsAre(" 3- 5"));
}

TEST(BetGeneration, ARaceWithoutOddsHasEmptyLists) {
    BetTestRace race(12);
    race.axes({3}).partners({1, 5});
    race.analysis = RaceAnalysis{};
    race.axes({3}).partners({1, 5});
    for (const BetList& list : buildBetLists(race.records, race.analysis, {}))
        EXPECT_THAT(combinations(list), IsEmpty()) << int(list.type);
}

TEST(BetGeneration, TrioAndTrifectaShowTheLowest306Combinations) {
    BetTestRace race(18);
    race.axes({1}).partners({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
    const BetSource source = betSource(race.records, race.analysis, {});
    const std::set<std::string> all = betCandidates(BetType::Trifecta, source);
    ASSERT_GT(all.size(), 306u);
    const BetList list = generateBetList(BetType::Trifecta, source);
    ASSERT_EQ(list.rows.size(), 307u);
    EXPECT_EQ(list.cell(1, BetColumn::Combination), *all.begin());
    EXPECT_EQ(list.cell(306, BetColumn::Combination), *std::next(all.begin(), 305));
    EXPECT_EQ(list.cell(306, BetColumn::Number), " 306");
}

TEST(BetGeneration, RowsCarryTheirFixedWidthTexts) {
    BetTestRace race(12);
    race.axes({3}).partners({7, 9});
    race.analysis.SRTOdds[size_t(comboOrdinal(BetType::Trifecta, " 3- 7- 9"))] = 1234.5;
    race.analysis.SRTNinki[size_t(comboOrdinal(BetType::Trifecta, " 3- 7- 9"))] = 321;
    const BetSource source = betSource(race.records, race.analysis, {});
    const BetList trifecta = generateBetList(BetType::Trifecta, source);
    EXPECT_EQ(trifecta.rows[1], (BetRow{"", "   1", " 3- 7- 9", "   1234.5", " 321", " 3- 7- 9", "", "", "", "", "", "",
                                        "", "", ""}));
    const BetList win = generateBetList(BetType::Win, source);
    EXPECT_EQ(win.rows[1], (BetRow{"", " 1", " 3", "  10.0", " 3", "", "", "", "", "", "", ""}));
    const BetList bracket = generateBetList(BetType::BracketQuinella, source);
    EXPECT_EQ(bracket.cell(1, BetColumn::PopularityPattern), "");
    EXPECT_EQ(bracket.cell(1, BetColumn::Odds), "   10.0");
}

} // namespace
} // namespace zefa
