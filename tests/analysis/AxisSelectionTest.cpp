#include "analysis/AxisSelection.h"
#include "jvdata/RaRecord.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace zefa {
namespace {

using Horses = std::vector<int>;

constexpr std::string_view kNoRule = "  00050005"; // the values of a race without a fitting rule

// A race of twelve runners: development rank = win-odds rank = horse number, no marks, no
// morning place ranks, nobody eliminated.
struct RaceCase {
    RaceCase() {
        developmentOrder({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        popularityOrder({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    }

    // The horses in development order: ranks 1, 2, …; classes by five; the rest unranked.
    void developmentOrder(const Horses& horses) {
        a.TenkaiRank.fill(0);
        a.TenkaiClass.fill(0);
        for (size_t i = 0; i < horses.size(); ++i) {
            a.TenkaiRank[size_t(horses[i])] = int(i) + 1;
            a.TenkaiClass[size_t(horses[i])] = std::min(int(i) / 5 + 1, 3);
        }
    }
    // The horses in latest win-odds order; the rest without odds.
    void popularityOrder(const Horses& horses) {
        a.TanNinki.fill(0);
        for (size_t i = 0; i < horses.size(); ++i) a.TanNinki[size_t(horses[i])] = int(i) + 1;
    }
    void placeFavourites(int first, int second, std::string pattern) {
        a.AsaFukNinki[size_t(first)] = 1;
        a.AsaFukNinki[size_t(second)] = 2;
        a.PositionPattern = std::move(pattern);
    }

    void select(const AxisOptions& options, std::string_view rule = kNoRule) {
        selectAxisAndPartners(race.record(), rule, options, a);
    }
    Horses flagged(const ByHorse<int>& flags) const {
        Horses horses;
        for (int h = 1; h <= kMaxHorses; ++h)
            if (flags[size_t(h)] == 1) horses.push_back(h);
        return horses;
    }
    Horses axes() const { return flagged(a.JikuFlag); }
    Horses partners() const { return flagged(a.HimoFlag); }

    test::LineBuilder race = test::LineBuilder(RecordKind::RA).put(RaRecord::RegisteredRunners.position, "12");
    std::unique_ptr<RaceAnalysis> analysis = std::make_unique<RaceAnalysis>();
    RaceAnalysis& a = *analysis;
};

class AxisTest : public ::testing::Test, protected RaceCase {};

TEST(RuleValues, TenCharactersGiveTheNineValues) {
    EXPECT_EQ(ruleValuesOf(kNoRule), (RuleValues{0, 0, 0, 5, 0, 0, 0, 0, 5}));
    EXPECT_EQ(ruleValuesOf("12123456789"), (RuleValues{1, 2, 3, 4, 12, 5, 6, 7, 8}));
    EXPECT_EQ(ruleValuesOf(" 5x1 2-034"), (RuleValues{0, 1, 0, 2, 5, 0, 0, 3, 4}));
    EXPECT_EQ(ruleValuesOf("a1"), (RuleValues{0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ruleValuesOf(" 41"), (RuleValues{1, 0, 0, 0, 4, 0, 0, 0, 0}));
}

TEST_F(AxisTest, TheStepRecordsTheRuleAndClearsOldFlags) {
    a.JikuFlag[12] = a.HimoFlag[11] = a.HimoFlag[18] = 1;
    select({.ifnothyokaba = false}, " 400050005");
    EXPECT_EQ(a.Rule, ruleValuesOf(" 400050005"));
    EXPECT_EQ(axes(), Horses{});
    EXPECT_EQ(partners(), Horses{});
}

TEST_F(AxisTest, EachModeTakesItsAxis) {
    a.HyokaMark[8] = " AB";
    placeFavourites(4, 2, "aa");
    struct Case {
        KaimeMode mode;
        Horses axes, partners;
    };
    const Case cases[] = {
        {KaimeMode::HyokaMode, {8}, {1, 2, 3, 4, 5}},
        {KaimeMode::FukniMode, {2}, {1, 3, 4, 5, 6}},
        {KaimeMode::UserModeH, {8}, {1, 2, 3, 4, 5}},
        {KaimeMode::UserModeF, {2}, {1, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        select({.mode = c.mode});
        EXPECT_EQ(axes(), c.axes) << int(c.mode);
        EXPECT_EQ(partners(), c.partners) << int(c.mode);
    }
}

TEST_F(AxisTest, MarkClassesThenDevelopmentThenMorningPlaceRankChooseTheEvaluationAxis) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> marks;
        KaimeMode mode;
        int axis;
    };
    const Case cases[] = {
        {"AAA at rank 6, AA at rank 2", {{6, "AAA"}, {2, " AA"}}, KaimeMode::HyokaMode, 2},
        {"the only mark is A", {{10, "  A"}}, KaimeMode::HyokaMode, 10},
        {"A at rank 3 and AD at rank 11", {{3, "  A"}, {11, " AD"}}, KaimeMode::HyokaMode, 11},
        {"A with an X beside it", {{3, "  A"}, {5, "  X"}}, KaimeMode::HyokaMode, 3},
        {"XAA at rank 4, AD at rank 9", {{4, "XAA"}, {9, " AD"}}, KaimeMode::HyokaMode, 9},
        {"unranked AB and AA: place rank 3 wins", {{7, " AB"}, {9, " AA"}}, KaimeMode::HyokaMode, 9},
        {"the same in a user mode: horse number", {{7, " AB"}, {9, " AA"}}, KaimeMode::UserModeH, 7},
    };
    for (const Case& c : cases) {
        auto race = std::make_unique<RaceCase>();
        race->a.TenkaiRank[7] = race->a.TenkaiRank[9] = 0;
        race->a.AsaFukNinki[7] = 4;
        race->a.AsaFukNinki[9] = 3;
        for (const auto& [h, text] : c.marks) race->a.HyokaMark[size_t(h)] = text;
        race->select({.mode = c.mode});
        EXPECT_EQ(race->axes(), Horses{c.axis}) << c.what;
    }
}

TEST_F(AxisTest, AnXHorseIsNoEvaluationHorse) {
    a.HyokaMark[5] = "  X";
    placeFavourites(9, 5, "ba");
    select({.ifnothyokaba = true});
    EXPECT_EQ(axes(), Horses{5}) << "the better developed place favourite";
    select({.ifnothyokaba = false});
    EXPECT_EQ(axes(), Horses{});
    EXPECT_EQ(partners(), Horses{});
}

TEST_F(AxisTest, FukniModeIgnoresTheMarks) {
    a.HyokaMark[1] = " AA";
    placeFavourites(7, 3, "ba");
    select({.mode = KaimeMode::FukniMode});
    EXPECT_EQ(axes(), Horses{3});
}

TEST_F(AxisTest, WithoutEvaluationHorsesTheFallBackFollowsTheModeAndTheCheck) {
    placeFavourites(4, 2, "aa");
    struct Case {
        KaimeMode mode;
        bool ifnothyokaba;
        std::string_view rule;
        Horses axes;
    };
    const Case cases[] = {
        {KaimeMode::HyokaMode, true, kNoRule, {2}},       {KaimeMode::HyokaMode, false, kNoRule, {}},
        {KaimeMode::UserModeH, true, kNoRule, {2}},       {KaimeMode::UserModeH, false, kNoRule, {}},
        {KaimeMode::UserModeF, false, kNoRule, {2}},      {KaimeMode::UserModeH, true, " 400050005", {2, 4}},
        {KaimeMode::UserModeH, false, " 400050005", {}},  {KaimeMode::UserModeF, false, " 400050005", {2, 4}},
    };
    for (const Case& c : cases) {
        select({.mode = c.mode, .ifnothyokaba = c.ifnothyokaba}, c.rule);
        EXPECT_EQ(axes(), c.axes) << int(c.mode) << " " << c.ifnothyokaba << " '" << c.rule << "'";
    }
}

TEST_F(AxisTest, DefaultPartnersAreTheFiveBestOnWinOdds) {
    a.HyokaMark[5] = " AA";
    popularityOrder({9, 5, 2, 11, 7, 1, 3, 4, 6, 8, 10, 12});
    select({});
    EXPECT_EQ(axes(), Horses{5});
    EXPECT_EQ(partners(), (Horses{1, 2, 7, 9, 11}));
}

TEST_F(AxisTest, JikuChangeMovesTheAxisToAMarkedHorse) {
    a.HyokaMark[1] = "AAA";
    a.HyokaMark[4] = a.HyokaMark[9] = " AA";
    struct Case {
        int jikuChange, multiHyokaJiku;
        bool unrankedAA;
        KaimeMode mode;
        int axis;
    };
    const Case cases[] = {
        {2, 0, false, KaimeMode::HyokaMode, 4}, {2, 1, false, KaimeMode::HyokaMode, 9},
        {2, 1, true, KaimeMode::HyokaMode, 12}, {2, 0, true, KaimeMode::HyokaMode, 4},
        {2, 1, false, KaimeMode::UserModeH, 9}, {2, 0, false, KaimeMode::FukniMode, 3},
        {8, 0, false, KaimeMode::HyokaMode, 1}, {0, 0, false, KaimeMode::HyokaMode, 1},
    };
    placeFavourites(3, 6, "ab");
    for (const Case& c : cases) {
        a.HyokaMark[12] = c.unrankedAA ? " AA" : "";
        a.TenkaiRank[12] = c.unrankedAA ? 0 : 12;
        select({.mode = c.mode, .jikuChange = c.jikuChange, .multiHyokaJiku = c.multiHyokaJiku});
        EXPECT_EQ(axes(), Horses{c.axis}) << c.jikuChange << "/" << c.multiHyokaJiku << "/" << c.unrankedAA;
        EXPECT_EQ(a.HimoFlag[size_t(c.axis)], 0);
    }
}

TEST_F(AxisTest, TheAxisPatternNamesThePlaceFavourites) {
    struct Case {
        const char* what;
        std::string_view rule;
        int first, second;
        const char* pattern;
        Horses axes;
    };
    const Case cases[] = {
        {"ab in an ab race", " 500000005", 2, 8, "ab", {2, 8}},
        {"a in an aa race: the better developed", " 100000005", 4, 2, "aa", {2}},
        {"a in an ab race", " 100000005", 4, 8, "ab", {4}},
        {"b in an ab race", " 200000005", 2, 8, "ab", {8}},
        {"aa in an aa race", " 400000005", 4, 2, "aa", {2, 4}},
        {"ab in an aa race: the higher number of class a", " 500000005", 2, 4, "aa", {4}},
        {"code 13 names no pattern", "1300000005", 2, 8, "ab", {}},
    };
    for (const Case& c : cases) {
        auto race = std::make_unique<RaceCase>();
        race->placeFavourites(c.first, c.second, c.pattern);
        race->select({.mode = KaimeMode::UserModeF}, c.rule);
        EXPECT_EQ(race->axes(), c.axes) << c.what;
    }
}

TEST_F(AxisTest, ThePreferredAxisIsTheBetterDevelopedOne) {
    placeFavourites(8, 2, "ba");
    select({.mode = KaimeMode::UserModeF}, " 500000010"); // one partner just behind the preferred axis
    EXPECT_EQ(axes(), (Horses{2, 8}));
    EXPECT_EQ(partners(), (Horses{1, 3, 4, 5})) << "3 behind the axis at rank 2, then the top-up to six";
}

TEST_F(AxisTest, TheUserRuleTakesPartnersAroundTheAxisInTheDevelopmentOrder) {
    a.HyokaMark[5] = " AA";
    popularityOrder({11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12});
    select({.mode = KaimeMode::UserModeH}, " 121100000");
    EXPECT_EQ(axes(), Horses{5});
    EXPECT_EQ(partners(), (Horses{1, 2, 4, 6, 11})) << "ranks 1, 2, 4 and 6, then the best on win odds";
}

TEST_F(AxisTest, AnAxisAtTheTopOfTheOrderIsLeftOutOfTheTopPartners) {
    a.HyokaMark[2] = " AA";
    popularityOrder({12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    select({.mode = KaimeMode::UserModeH}, " 121100000");
    EXPECT_EQ(partners(), (Horses{1, 3, 4, 11, 12})) << "1 and 3 on top, none ahead, 4 behind, then two";
}

TEST_F(AxisTest, WithoutAnAxisTheUserRuleStillTakesPartnersButNoTopUp) {
    popularityOrder({1, 7, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12});
    select({.mode = KaimeMode::UserModeH, .ifnothyokaba = false}, " 410010000");
    EXPECT_EQ(axes(), Horses{});
    EXPECT_EQ(partners(), (Horses{1, 7}));
}

TEST_F(AxisTest, AxisFixingReplacesTheAxisButKeepsThePartners) {
    a.HyokaMark[3] = " AA";
    a.HyokaMark[10] = "AAA";
    a.FukNinki[2] = 1;
    struct Case {
        AxisOptions options;
        Horses axes;
    };
    const Case cases[] = {
        {{.jikuX = true}, {}},
        {{.jikuAAA = true}, {10}},
        {{.jikuAA = true, .jikuF1 = true}, {3}},
        {{.jikuF1 = true}, {2}}, // a partner as well
    };
    for (const Case& c : cases) {
        select(c.options);
        EXPECT_EQ(axes(), c.axes);
        EXPECT_EQ(partners(), (Horses{1, 2, 4, 5, 6})) << "the partners of the axis at 3";
    }
}

TEST_F(AxisTest, PartnerFixingTakesFiveByDevelopmentOrByWinOdds) {
    a.HyokaMark[3] = " AA";
    a.TenkaiRank[1] = 0;
    popularityOrder({12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    select({.tenkaiJoi5 = true});
    EXPECT_EQ(partners(), (Horses{2, 4, 5, 6, 7}));
    select({.ninkiJoi5 = true});
    EXPECT_EQ(partners(), (Horses{8, 9, 10, 11, 12}));
    select({.jikuX = true, .tenkaiJoi5 = true});
    EXPECT_EQ(axes(), Horses{});
    EXPECT_EQ(partners(), (Horses{2, 3, 4, 5, 6})) << "the race had an axis before the fixing, 3 is no axis now";
    a.HyokaMark[3] = "";
    select({.ifnothyokaba = false, .ninkiJoi5 = true});
    EXPECT_EQ(partners(), Horses{}) << "no axis at all";
}

TEST_F(AxisTest, AWithdrawnHorseCanBeTheAxisButNothingElse) {
    a.HyokaMark[3] = " AA";
    a.HyokaMark[5] = "AAA";
    popularityOrder({2, 4, 6, 7, 8, 9, 10, 11, 12}); // 1, 3 and 5 withdrawn
    select({});
    EXPECT_EQ(axes(), Horses{3});
    EXPECT_EQ(partners(), (Horses{2, 4, 6, 7, 8}));
    select({.jikuChange = 1});
    EXPECT_EQ(axes(), Horses{3}) << "the AAA horse is withdrawn";
    select({.jikuAAA = true});
    EXPECT_EQ(axes(), Horses{});
}

TEST_F(AxisTest, EliminatedHorsesAndHorsesBeyondTheFieldAreNeverChosen) {
    a.HyokaMark[1] = " AA";
    a.HyokaMark[2] = "AAA";
    a.HyokaMark[3] = "  X";
    a.HyokaMark[9] = " AD";
    a.HyokaMark[14] = " AA";
    a.FukNinki[2] = 1;
    a.AsaFukNinki[1] = 1;
    a.AsaFukNinki[10] = 2;
    a.TanNinki[14] = 1;
    a.TenkaiRank[14] = 1;
    for (const int h : {1, 2, 3, 4}) a.KeshiFlag[size_t(h)] = 1;
    const Horses excluded{1, 2, 3, 4, 14};
    const AxisOptions fixings[] = {{}, {.jikuX = true}, {.jikuAAA = true}, {.jikuAA = true}, {.jikuF1 = true},
                                   {.tenkaiJoi5 = true}, {.ninkiJoi5 = true}};
    int chosen = 0;
    for (const KaimeMode mode : {KaimeMode::HyokaMode, KaimeMode::FukniMode, KaimeMode::UserModeH, KaimeMode::UserModeF})
        for (const bool ifnothyokaba : {true, false})
            for (const int jikuChange : {0, 1, 2})
                for (const std::string_view rule : {kNoRule, std::string_view(" 411110000"), std::string_view(" 500001111"), std::string_view(" 102220222")})
                    for (AxisOptions options : fixings) {
                        options.mode = mode;
                        options.ifnothyokaba = ifnothyokaba;
                        options.jikuChange = jikuChange;
                        select(options, rule);
                        for (const int h : excluded) {
                            EXPECT_EQ(a.JikuFlag[size_t(h)] + a.HimoFlag[size_t(h)], 0)
                                << "horse " << h << ", mode " << int(mode) << ", rule '" << rule << "'";
                        }
                        chosen += int(axes().size() + partners().size());
                    }
    EXPECT_GT(chosen, 0);
}

} // namespace
} // namespace zefa
