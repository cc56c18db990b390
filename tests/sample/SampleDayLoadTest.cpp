#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"
#include "sample/SampleData.h"
#include "store/RaceDayReader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

bool blankRecord(const std::string& record) { return trimmed(record).empty(); }

// The store reads a sample day as it reads an imported one: every race with its runners,
// payouts and predicted odds, and the past runs and past races of its runners.
TEST(SampleDayLoad, TheStoreReadsASampleDayWhole) {
    test::TempFolder folder;
    const SampleSummary made = makeSample({folder.path(), 11, 2, {2026, 12, 6}, std::nullopt});
    const ProgramFolder home(folder.path());
    const DayFileSet day(home, made.days.front());
    RaceDayStore store;
    RaceDayReader reader(home, day, store);
    const int races = reader.readRaces();
    EXPECT_GE(races, 24);
    reader.readPayouts();
    reader.readPredictedOdds();
    int withPastRuns = 0, localPastRaces = 0;
    for (int slot = 0; slot < races; ++slot) {
        ASSERT_TRUE(reader.readRunners(slot));
        const RaceSlotRecords& records = store.slot(slot);
        EXPECT_FALSE(blankRecord(records.payout));
        EXPECT_FALSE(blankRecord(records.predictedOdds));
        for (int h = 0; h < records.registeredRunners(); ++h) {
            EXPECT_EQ(SeRecord(records.runners[size_t(h)]).horseNumber(), h + 1);
            reader.readPastRuns(slot, h);
            reader.readPastRaces(slot, h);
            if (blankRecord(records.pastRuns[size_t(h)][0])) continue;
            ++withPastRuns;
            for (const std::string& race : records.pastRaces[size_t(h)])
                if (!blankRecord(race) && RaRecord(race).venueCode() >= "30") ++localPastRaces;
        }
    }
    EXPECT_GT(withPastRuns, races * 6);
    EXPECT_GT(localPastRaces, 0);
}

} // namespace
} // namespace zefa
