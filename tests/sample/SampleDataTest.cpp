#include "acquire/FeedJvLink.h"
#include "jvdata/Clock.h"
#include "jvdata/Combinations.h"
#include "jvdata/HrRecord.h"
#include "jvdata/KsChRecords.h"
#include "jvdata/OddsRecords.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"
#include "jvdata/TcRecord.h"
#include "jvdata/UmRecord.h"
#include "jvdata/YozLine.h"
#include "sample/SampleData.h"
#include "store/DayFileSet.h"
#include "store/MasterFiles.h"
#include "store/PastRuns.h"
#include "store/RecordFile.h"
#include "store/WholeFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace zefa {
namespace {

SampleSummary makeTwoDays(const std::filesystem::path& home, std::uint64_t seed) {
    return makeSample({home, seed, 2, {2026, 12, 6}, std::nullopt});
}

std::vector<std::string> records(const std::filesystem::path& file, RecordKind kind) {
    auto read = readRecords(file, kind);
    EXPECT_TRUE(read) << file;
    return read ? *read : std::vector<std::string>{};
}

// The combination of entry k as the 組番 digits JV-Data writes.
std::string digitsOf(BetType type, int k, int width) {
    std::string text;
    for (int n : combinationAt(type, k).numbers()) text += (width == 1 ? "" : n < 10 ? "0" : "") + std::to_string(n);
    return text;
}

template <class View>
void expectOrdinalOrder(const std::filesystem::path& file, RecordKind kind, BetType type, int width) {
    for (const std::string& record : records(file, kind)) {
        const View view(record);
        for (int k = 1; k <= View::ordinals(); ++k) {
            if (trimmed(view.combination(k)).empty()) continue;
            ASSERT_EQ(view.combination(k), digitsOf(type, k, width)) << file << " " << k;
        }
    }
}

TEST(SampleData, EveryFileReadsBackThroughTheViewsAndHoldsTogether) {
    test::TempFolder folder;
    const SampleSummary made = makeTwoDays(folder.path(), 7);
    ASSERT_EQ(made.days, (std::vector<std::string>{"2026年12月05日", "2026年12月06日"}));
    const ProgramFolder home(folder.path());
    for (const std::string& dayName : made.days) {
        const DayFileSet day(home, dayName);
        const auto races = records(day.file(DayFile::Races), RecordKind::RA);
        ASSERT_GE(races.size(), 24u);
        std::map<std::string, std::set<int>> finishers; // by venue and race number
        std::map<std::string, int> lastRunDate;
        for (const std::string& ra : races) {
            const RaRecord race(ra);
            const auto grid = records(day.runnerFile(race.venueCode()), RecordKind::SE);
            ASSERT_EQ(grid.size(), 216u);
            int runners = 0;
            for (int h = 1; h <= 18; ++h) {
                const SeRecord runner(grid[size_t((race.raceNumber() - 1) * 18 + h - 1)]);
                if (runner.horseNumber() == 0) continue;
                ++runners;
                EXPECT_EQ(runner.horseNumber(), h);
                const std::string key = std::string(race.venueCode()) + std::string(race.field(RaRecord::RaceNumber));
                if (runner.number(SeRecord::FinishPosition) > 0) finishers[key].insert(h);
                // Every earlier run of the horse lies before the day.
                if (const auto past = readRecords(*seiFile(home, runner.horseId()), RecordKind::SE)) {
                    for (const std::string& run : *past) EXPECT_LT(SeRecord(run).field(SeRecord::RaceDate), race.field(SeRecord::RaceDate));
                }
            }
            EXPECT_EQ(runners, race.registeredRunners());
            EXPECT_GE(runners, 8);
        }
        for (const std::string& hr : records(day.file(DayFile::Payouts), RecordKind::HR)) {
            const HrRecord payouts(hr);
            const auto& paid = finishers[std::string(payouts.venueCode()) + std::string(payouts.field(HrRecord::RaceNumber))];
            ASSERT_FALSE(paid.empty());
            // Two places paid below eight starters, three (four in a dead heat for third) otherwise.
            int places = 0;
            for (int n = 1; n <= HrRecord::entries(HrRecord::PayoutBlock::Place); ++n) places += payouts.paid(HrRecord::PayoutBlock::Place, n) ? 1 : 0;
            EXPECT_TRUE(paid.size() < 8 ? places == 2 : places == 3 || places == 4) << paid.size() << " starters, " << places;
            for (const auto block : {HrRecord::PayoutBlock::Win, HrRecord::PayoutBlock::Place, HrRecord::PayoutBlock::Quinella,
                                     HrRecord::PayoutBlock::QuinellaPlace, HrRecord::PayoutBlock::Exacta, HrRecord::PayoutBlock::Trio,
                                     HrRecord::PayoutBlock::Trifecta})
                for (int n = 1; n <= HrRecord::entries(block); ++n) {
                    if (!payouts.paid(block, n)) continue;
                    EXPECT_GE(payouts.payout(block, n), 100);
                    const std::string_view combination = payouts.combination(block, n);
                    for (size_t at = 0; at < combination.size(); at += 2)
                        EXPECT_TRUE(paid.contains(int(fieldNumber(combination.substr(at, 2))))) << combination;
                }
        }
        for (const std::string& o1 : records(day.file(DayFile::WinOdds), RecordKind::O1)) {
            const O1Record odds(o1);
            for (int k = 1; k <= 36; ++k) {
                if (trimmed(odds.bracketQuinellaCombination(k)).empty()) continue;
                EXPECT_EQ(odds.bracketQuinellaCombination(k), digitsOf(BetType::BracketQuinella, k, 1));
            }
        }
        EXPECT_EQ(records(day.file(DayFile::MorningOdds), RecordKind::O1).size(), races.size());
        expectOrdinalOrder<O2Record>(day.file(DayFile::QuinellaOdds), RecordKind::O2, BetType::Quinella, 2);
        expectOrdinalOrder<O3Record>(day.file(DayFile::WideOdds), RecordKind::O3, BetType::Wide, 2);
        expectOrdinalOrder<O4Record>(day.file(DayFile::ExactaOdds), RecordKind::O4, BetType::Exacta, 2);
        expectOrdinalOrder<O5Record>(day.file(DayFile::TrioOdds), RecordKind::O5, BetType::Trio, 2);
        expectOrdinalOrder<O6Record>(day.file(DayFile::TrifectaOdds), RecordKind::O6, BetType::Trifecta, 2);
    }
}

TEST(SampleData, PastRunsAndLocalRacesReadBackFromTheArchives) {
    test::TempFolder folder;
    const SampleSummary made = makeTwoDays(folder.path(), 5);
    const ProgramFolder home(folder.path());
    int horseFiles = 0, localRaces = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home.sei())) {
        if (!entry.is_regular_file()) continue;
        ++horseFiles;
        const auto runs = records(entry.path(), RecordKind::SE);
        ASSERT_FALSE(runs.empty());
        EXPECT_LE(runs.size(), 10u);
        for (size_t i = 0; i < runs.size(); ++i) {
            const SeRecord run(runs[i]);
            EXPECT_EQ(entry.path().stem().string(), run.horseId());
            if (i == 0) continue;
            EXPECT_LT(SeRecord(runs[i - 1]).field(SeRecord::RaceDate), run.field(SeRecord::RaceDate));
        }
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home.seir())) {
        if (!entry.is_regular_file()) continue;
        for (const std::string& ra : records(entry.path(), RecordKind::RA)) {
            const RaRecord race(ra);
            EXPECT_GE(race.venueCode(), "30");
            ++localRaces;
        }
    }
    EXPECT_EQ(horseFiles, made.horseFiles);
    EXPECT_GT(localRaces, 0);
}

TEST(SampleData, MastersChangeAndPredictedOddsReadBack) {
    test::TempFolder folder;
    const SampleSummary made = makeTwoDays(folder.path(), 9);
    const ProgramFolder home(folder.path());
    const DayFileSet first(home, made.days.front()), last(home, made.days.back());
    // A runner of the first race has a horse master, and its jockey and trainer theirs.
    const auto races = records(first.file(DayFile::Races), RecordKind::RA);
    const RaRecord race(races.front());
    const auto grid = records(first.runnerFile(race.venueCode()), RecordKind::SE);
    const SeRecord runner(grid.front());
    const auto horses = records(*horseMasterFile(home, runner.horseId()), RecordKind::UM);
    ASSERT_EQ(horses.size(), 1u);
    const UmRecord horse(horses.front());
    EXPECT_EQ(horse.field(UmRecord::HorseName), runner.field(SeRecord::HorseName));
    int runs = 0;
    for (int p = 1; p <= 6; ++p) runs += horse.finishCount(1, p);
    EXPECT_GE(runs, 1);
    const auto jockeys = records(*jockeyMasterFile(home, runner.field(SeRecord::JockeyCode)), RecordKind::KS);
    EXPECT_TRUE(std::ranges::any_of(jockeys, [&](const std::string& ks) { return KsRecord(ks).jockeyCode() == runner.field(SeRecord::JockeyCode); }));
    const auto trainers = records(*trainerMasterFile(home, runner.field(SeRecord::TrainerCode)), RecordKind::CH);
    EXPECT_TRUE(std::ranges::any_of(trainers, [&](const std::string& ch) { return ChRecord(ch).trainerCode() == runner.field(SeRecord::TrainerCode); }));
    // One post-time change on the last day, of a race that is there.
    const auto changes = records(last.changeFile(), RecordKind::TC);
    ASSERT_EQ(changes.size(), 1u);
    const TcRecord change(changes.front());
    const auto changed = findRaceRecord(last.file(DayFile::Races), RecordKind::RA, change.venueCode(), change.field(TcRecord::RaceNumber));
    ASSERT_TRUE(changed);
    EXPECT_EQ(RaRecord(*changed).postTime(), change.oldPostTime());
    EXPECT_GT(change.newPostTime(), change.oldPostTime());
    // Predicted odds for the first day, not for the second.
    const auto predicted = records(first.file(DayFile::PredictedOdds), RecordKind::Yoz);
    ASSERT_EQ(predicted.size(), races.size());
    EXPECT_TRUE(YozLine(predicted.front()).jvDataVenueCoding());
    EXPECT_FALSE(std::filesystem::exists(last.file(DayFile::PredictedOdds)));
}

TEST(SampleData, TheFeedServesTheSameRecordsToTheImport) {
    test::TempFolder home, feed;
    makeSample({home.path(), 2, 2, {2026, 12, 6}, feed.path()});
    FixedClock clock({2026, 12, 7, 9, 0, 0});
    FeedJvLink link(feed.path(), clock);
    ASSERT_EQ(link.JVInit("UNKNOWN"), 0);
    const JvOpenResult opened = link.JVOpen("RACE", "20261101000000", 1);
    ASSERT_EQ(opened.code, 0);
    EXPECT_EQ(opened.readCount, 3); // the earlier runs, then the two days
    std::map<std::string, int> kinds;
    for (JvReadResult read = link.JVRead(110000); read.code != 0; read = link.JVRead(110000)) {
        if (read.code < 0) continue;
        const auto kind = recordKindOf(read.record);
        ASSERT_TRUE(kind);
        EXPECT_EQ(int(read.record.size()), recordLength(*kind));
        ++kinds[std::string(read.record.substr(0, 2))];
    }
    const ProgramFolder folder(home.path());
    const auto races = [&](const std::string& day) { return int(readRecords(DayFileSet(folder, day).file(DayFile::Races), RecordKind::RA)->size()); };
    EXPECT_GE(kinds["RA"], races("2026年12月05日") + races("2026年12月06日")); // and the local races of earlier runs
    EXPECT_EQ(kinds["O6"], races("2026年12月05日") + races("2026年12月06日"));
    EXPECT_EQ(kinds["TC"], 1);
    EXPECT_GT(kinds["SE"], kinds["RA"] * 8);
}

std::map<std::string, std::string> allFiles(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files[std::filesystem::relative(entry.path(), root).string()] = *readFileIfExists(entry.path());
    return files;
}

TEST(SampleData, TheSameSeedGivesTheSameBytes) {
    test::TempFolder first, second, other;
    makeTwoDays(first.path(), 3);
    makeTwoDays(second.path(), 3);
    makeTwoDays(other.path(), 4);
    const auto files = allFiles(first.path());
    EXPECT_GT(files.size(), 100u);
    EXPECT_TRUE(files == allFiles(second.path()));
    EXPECT_FALSE(files == allFiles(other.path()));
}

} // namespace
} // namespace zefa
