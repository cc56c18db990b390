#include "analysis/Development.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace zefa {
namespace {

using test::LineBuilder;

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

struct PastRun {
    const char* date; // yyyymmdd
    const char* corner3;
    const char* corner4;
};

// A race of `runners` runners on `date`; horse h has the past runs given for it.
class DevelopmentTest : public ::testing::Test {
protected:
    void race(const char* date, int runners) {
        slot.race = LineBuilder(RecordKind::RA).raceKey(std::string(date) + "06010111").put(882, twoDigits(runners)).record();
    }
    void runs(int h, std::initializer_list<PastRun> pastRuns) {
        int j = 0;
        for (const PastRun& run : pastRuns) {
            const std::string key = std::string(run.date) + "05010101";
            slot.pastRuns[size_t(h - 1)][size_t(j)] =
                LineBuilder(RecordKind::SE).raceKey(key).put(356, run.corner3).put(358, run.corner4).record();
            slot.pastRaces[size_t(h - 1)][size_t(j)].replace(11, 16, key);
            ++j;
        }
    }
    void compute() { computeDevelopment(slot, analysis); }

    RaceDayStore store;
    RaceSlotRecords& slot = store.slot(0);
    RaceAnalysis analysis;
};

TEST_F(DevelopmentTest, CornersGiveTheMeanAndTheirSumsWithBlankRunsAt36) {
    race("20240602", 2);
    runs(1, {{"20240428", "03", "03"}, {"20240310", "05", "04"}, {"20240107", "  ", "00"}});
    compute();
    EXPECT_DOUBLE_EQ(analysis.TenkaiValue[1], 3.75);
    EXPECT_EQ(analysis.CornerSum[1][1], 6);
    EXPECT_EQ(analysis.CornerSum[1][2], 9);
    EXPECT_EQ(analysis.CornerSum[1][3], 36);
    EXPECT_EQ(analysis.CornerSum[1][4], 0); // no such run
    // Horse 2 has no past runs: no value, no rank, no corner sums.
    EXPECT_EQ(analysis.TenkaiValue[2], 0);
    EXPECT_EQ(analysis.TenkaiRank[2], 0);
    EXPECT_EQ(analysis.TenkaiClass[2], 0);
    EXPECT_EQ(analysis.CornerSum[2][1], 0);
}

TEST_F(DevelopmentTest, RestDaysCountCalendarDaysBetweenRuns) {
    race("20240602", 1);
    runs(1, {{"20240428", "01", "01"}, {"20240107", "01", "01"}, {"20231231", "01", "01"}});
    slot.pastRaces[0][2] = std::string(slot.pastRaces[0][2].size(), ' '); // its race record is missing
    compute();
    EXPECT_EQ(analysis.RestDays[1][1], 35);
    EXPECT_EQ(analysis.RestDays[1][2], 112);
    EXPECT_EQ(analysis.RestDays[1][3], 0);
}

TEST_F(DevelopmentTest, TiesGoToTheFirstAndSecondRunCornerSumsThenTheHorseNumber) {
    race("20240602", 4);
    runs(1, {{"20240428", "02", "02"}, {"20240401", "02", "02"}});
    runs(2, {{"20240428", "02", "02"}}); // no second run: corner sum 0 sorts first
    runs(3, {{"20240428", "01", "03"}, {"20240401", "02", "02"}});
    runs(4, {{"20240428", "03", "01"}, {"20240401", "01", "03"}});
    compute();
    EXPECT_EQ(analysis.TenkaiRank[2], 1);
    EXPECT_EQ(analysis.TenkaiRank[1], 2);
    EXPECT_EQ(analysis.TenkaiRank[3], 3);
    EXPECT_EQ(analysis.TenkaiRank[4], 4);
}

TEST_F(DevelopmentTest, NewcomersStayUnrankedAndTheOthersFillTheClasses) {
    race("20240602", 14);
    for (int h = 3; h <= 14; ++h) runs(h, {{"20240428", twoDigits(h).c_str(), "01"}});
    compute();
    for (int h = 1; h <= 14; ++h) {
        const int rank = h <= 2 ? 0 : h - 2;
        const int expectedClass = rank == 0 ? 0 : rank <= 5 ? 1 : rank <= 10 ? 2 : 3;
        EXPECT_EQ(analysis.TenkaiRank[size_t(h)], rank) << h;
        EXPECT_EQ(analysis.TenkaiClass[size_t(h)], expectedClass) << h;
    }
}

TEST(LastFourRaces, TheLastFourRacesOfEachOfTheFirstThreeVenuesAreFlagged) {
    RaceDayStore store;
    std::vector<RaceAnalysis> analyses(kRaceSlots);
    int k = 0;
    const struct { const char* venue; int races; } card[] = {{"05", 12}, {"06", 11}, {"09", 8}, {"10", 3}};
    for (const auto& venue : card)
        for (int r = 1; r <= venue.races && k < kRaceSlots; ++r, ++k)
            store.slot(k).race = LineBuilder(RecordKind::RA).raceKey(std::string("20240602") + venue.venue + "0101" + twoDigits(r)).record();
    flagLastFourRaces(store, analyses);
    std::string flagged;
    for (const auto& analysis : analyses) flagged += char('0' + analysis.Last4Flag);
    EXPECT_EQ(flagged, "000000001111" "00000001111" "00001111" "000" "00");
}

} // namespace
} // namespace zefa
