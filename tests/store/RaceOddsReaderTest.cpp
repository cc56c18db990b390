#include "jvdata/Error.h"
#include "store/RaceOddsReader.h"
#include "store/WholeFile.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace zefa {
namespace {

using test::LineBuilder;

class RaceOddsReaderTest : public ::testing::Test {
protected:
    RaceOddsReaderTest() {
        std::filesystem::create_directories(home.data());
        slot().race = LineBuilder(RecordKind::RA).raceKey("2024010606010111").record();
    }
    RaceSlotRecords& slot() { return store.slot(0); }

    // A record of the file's kind for a race key, told apart by its announcement time.
    static std::string record(DayFile file, std::string_view key, std::string_view mark) {
        return LineBuilder(dayFileRow(file).kind).raceKey(key).put(28, mark).record();
    }
    void write(DayFile file, const std::vector<std::string>& records) {
        std::string bytes;
        for (const auto& r : records) bytes += r;
        saveFileWhole(day.file(file), bytes);
    }

    test::TempFolder folder;
    ProgramFolder home{folder.path()};
    DayFileSet day{home, "2024年01月06日"};
    RaceDayStore store;
};

TEST_F(RaceOddsReaderTest, TakesTheFirstRecordOfTheVenueAndRaceFromEveryOddsFile) {
    for (const DayFile file : kOddsFiles)
        write(file, {record(file, "2024010606010110", "10000000"), record(file, "2024010605010111", "20000000"),
                     record(file, "2024010606020311", "30000000"), // another meeting and day: venue and race decide
                     record(file, "2024010606010111", "40000000")});
    readRaceOdds(day, slot());
    for (const DayFile file : kOddsFiles)
        EXPECT_EQ(slot().oddsRecord(file), record(file, "2024010606020311", "30000000")) << dayFileRow(file).extension;
}

TEST_F(RaceOddsReaderTest, MissingFilesAndRacesLeaveTheSlotAsItWas) {
    const std::string earlier = record(DayFile::WinOdds, "2024010606010111", "09450000");
    slot().oddsRecord(DayFile::WinOdds) = earlier;
    write(DayFile::WinOdds, {record(DayFile::WinOdds, "2024010606010112", "10000000")});
    write(DayFile::TrioOdds, {record(DayFile::TrioOdds, "2024010606010111", "10000000")});
    const RaceSlotRecords before = slot();

    readRaceOdds(day, slot());

    EXPECT_EQ(slot().oddsRecord(DayFile::WinOdds), earlier);
    EXPECT_EQ(slot().oddsRecord(DayFile::QuinellaOdds), before.oddsRecord(DayFile::QuinellaOdds)); // no file
    EXPECT_EQ(slot().oddsRecord(DayFile::TrioOdds), record(DayFile::TrioOdds, "2024010606010111", "10000000"));
}

TEST_F(RaceOddsReaderTest, ASlotWithoutRaceNumberReadsNothing) {
    for (const std::string_view number : {"  ", "00"}) {
        store.clear();
        slot().race = LineBuilder(RecordKind::RA).put(26, number).record();
        const std::string blankKey = LineBuilder(RecordKind::O1).put(26, number).put(28, "10000000").record();
        write(DayFile::WinOdds, {blankKey});
        const std::string before = slot().oddsRecord(DayFile::WinOdds);
        readRaceOdds(day, slot());
        EXPECT_EQ(slot().oddsRecord(DayFile::WinOdds), before) << '"' << number << '"';
    }
}

TEST_F(RaceOddsReaderTest, OnePassServesEverySlotAndKeepsReportingABadFile) {
    write(DayFile::WinOdds, {record(DayFile::WinOdds, "2024010606010111", "10000000"),
                             record(DayFile::WinOdds, "2024010606010112", "20000000")});
    store.slot(1).race = LineBuilder(RecordKind::RA).raceKey("2024010606010112").record();
    DayOddsFiles odds(day);
    odds.readRace(slot());
    saveFileWhole(day.file(DayFile::WinOdds), "changed after the first read");
    odds.readRace(store.slot(1)); // the file was read once, at its first use
    EXPECT_EQ(store.slot(1).oddsRecord(DayFile::WinOdds), record(DayFile::WinOdds, "2024010606010112", "20000000"));

    saveFileWhole(day.file(DayFile::TrioOdds), "x");
    DayOddsFiles damaged(day);
    EXPECT_THROW(damaged.readRace(slot()), Error);
    EXPECT_THROW(damaged.readRace(store.slot(1)), Error);
}

TEST_F(RaceOddsReaderTest, AFileThatCannotBeReadAsRecordsIsAnErrorNamingItAndChangesNothing) {
    const auto race = [](DayFile file) { return record(file, "2024010606010111", "10000000"); };
    std::string noLineEnd = race(DayFile::WideOdds);
    noLineEnd.replace(noLineEnd.size() - 2, 2, "xx");
    const struct {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
    } cases[] = {
        {"size not a whole number of records", [&](const auto& path) { saveFileWhole(path, race(DayFile::WideOdds) + "x"); }},
        {"a record without CR LF", [&](const auto& path) { saveFileWhole(path, noLineEnd); }},
        {"a folder in the file's place", [](const auto& path) { std::filesystem::create_directory(path); }},
    };
    for (const auto& c : cases) {
        store.clear();
        slot().race = race(DayFile::Races);
        std::filesystem::remove_all(day.file(DayFile::WideOdds));
        write(DayFile::WinOdds, {race(DayFile::WinOdds)});
        c.make(day.file(DayFile::WideOdds));
        const RaceSlotRecords before = slot();
        try {
            readRaceOdds(day, slot());
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_THAT(e.what(), ::testing::HasSubstr(displayPath(day.file(DayFile::WideOdds)))) << c.what;
        }
        EXPECT_EQ(slot().odds, before.odds) << c.what; // the O1 read before the error is not kept
    }
}

} // namespace
} // namespace zefa
