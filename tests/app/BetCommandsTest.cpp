#include "app/BetCommands.h"
#include "bets/BetTestRace.h"
#include "bets/FundDistribution.h"
#include "support/StartupFixture.h"

#include "jvdata/HrRecord.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

constexpr int kSlot = 4;

// A day with one race on show: axis 3 with partners 1 and 5, horse 3 won (290 yen).
class BetCommandsTest : public ::testing::Test, protected test::StartupFixture {
protected:
    void SetUp() override {
        test::BetTestRace race(12);
        race.axes({3}).partners({1, 5}).paid(HrRecord::PayoutBlock::Win, "03", "000000290", "01");
        Session& s = session();
        s.store.slot(kSlot) = race.records;
        s.analyses[kSlot] = race.analysis;
        s.raceAmountList.assign(kRaceSlots, "3000");
        s.selectedRaceSlot = kSlot;
        kaimeMakeBtnClick(s);
    }

    BetList& list(BetType type) { return session().betLists[size_t(type)]; }
};

TEST_F(BetCommandsTest, TheBuildDistributesEvaluatesAndChecksHits) {
    EXPECT_EQ(test::combinations(list(BetType::Win)), std::vector<std::string>{" 3"});
    EXPECT_EQ(list(BetType::Win).cell(1, BetColumn::Stake), "  3000");
    EXPECT_EQ(list(BetType::Win).label(SummaryLabel::Returned).text, "    8700");
    EXPECT_EQ(list(BetType::Win).label(SummaryLabel::Level).text, "A"); // 1000 %: above 330, not above 1200
    EXPECT_EQ(test::combinations(list(BetType::Quinella)), (std::vector<std::string>{" 1- 3", " 3- 5"}));
    EXPECT_EQ(list(BetType::Quinella).label(SummaryLabel::Stake).text, "  3000");
}

TEST_F(BetCommandsTest, TheAmountBoxRedistributesAndRemembersTheAmount) {
    saNumEditExC1Change(session(), "005000");
    EXPECT_EQ(session().kaimeAmount, 5000);
    EXPECT_EQ(session().raceAmountList[kSlot], "5000");
    EXPECT_EQ(list(BetType::Win).cell(1, BetColumn::Stake), "  5000");
    EXPECT_EQ(list(BetType::Win).label(SummaryLabel::Returned).text, "   14500");
}

TEST_F(BetCommandsTest, TheAmountBoxRefusesAnythingButUpToSixDigits) {
    const std::array<BetList, 8> before = session().betLists;
    for (const std::string_view text : {"", "12a", "1234567", "-100", " 100", "1e3", "１００"}) {
        saNumEditExC1Change(session(), text);
        EXPECT_EQ(session().kaimeAmount, 3000) << text;
        EXPECT_EQ(session().raceAmountList[kSlot], "3000") << text;
        EXPECT_EQ(session().betLists[size_t(BetType::Win)].rows, before[size_t(BetType::Win)].rows) << text;
    }
}

TEST_F(BetCommandsTest, AnAmountBelow100IsKeptButRecomputesNothing) {
    const BetList before = list(BetType::Quinella);
    saNumEditExC1Change(session(), "99");
    EXPECT_EQ(session().raceAmountList[kSlot], "99");
    EXPECT_EQ(list(BetType::Quinella).rows, before.rows);
}

TEST_F(BetCommandsTest, TheModeIsStoredAndEveryListRedistributed) {
    radioGroup1Click(session(), int(DistributionMode::Uniform));
    EXPECT_EQ(session().settings.readInt(Setting::HaibunSet), 2);
    EXPECT_EQ(session().haibunSet, 2);
    EXPECT_EQ(list(BetType::Quinella).label(SummaryLabel::Stake).text, "  6000");
    EXPECT_EQ(list(BetType::Quinella).label(SummaryLabel::Level).text, "");
}

TEST_F(BetCommandsTest, GridClicksStrikeAndSort) {
    betGridClick(session(), BetType::Quinella, 1, 0);
    EXPECT_TRUE(list(BetType::Quinella).struck(1));
    EXPECT_EQ(list(BetType::Quinella).cell(2, BetColumn::Stake), "  3000");
    betGridHeaderClick(session(), BetType::Quinella, 2);
    EXPECT_EQ(list(BetType::Quinella).cell(1, BetColumn::Combination), " 3- 5");
}

TEST_F(BetCommandsTest, WithoutARaceOnShowTheListsAreEmpty) {
    session().selectedRaceSlot = -1;
    kaimeMakeBtnClick(session());
    for (const BetList& l : session().betLists) {
        EXPECT_EQ(l.rows.size(), 2u);
        EXPECT_EQ(test::combinations(l).size(), 0u);
    }
    betGridClick(session(), BetType::Win, 1, 0); // no payout record to read: nothing breaks
    betGridHeaderClick(session(), BetType::Win, 3);
}

} // namespace
} // namespace zefa
