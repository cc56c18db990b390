#include "jvdata/Error.h"
#include "jvdata/RaceRecord.h"
#include "store/ChangeFiles.h"
#include "store/RecordFile.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::LineBuilder;

std::string raLine(std::string_view key, std::string_view header = "7 20240105") {
    return LineBuilder(RecordKind::RA).put(3, header).raceKey(key);
}

TEST(StoredLines, ARecordBecomesANormalisedLine) {
    const std::string record = LineBuilder(RecordKind::RA).put(3, "720240105").raceKey("2024010606010111").record();
    const std::string line = normalised(storedLineOf(record));
    EXPECT_EQ(line.size(), size_t(storedLineLength(RecordKind::RA)));
    EXPECT_EQ(line.substr(0, 11), "RA000000000");
    EXPECT_EQ(raceKeyText(line), "2024010606010111");
}

TEST(StoredLines, TheSameRaceTwiceKeepsOneLineWhateverItsHeader) {
    std::vector<std::string> lines;
    keyedReplace(lines, normalised(raLine("2024010606010102", "720240105")), kRaceFileRule);
    keyedReplace(lines, normalised(raLine("2024010606010101", "720240105")), kRaceFileRule);
    // A later delivery of race 2 with another data category and date replaces the first one.
    const std::string newer = normalised(LineBuilder(RecordKind::RA).put(3, "220240106").raceKey("2024010606010102").put(874, "1010").line());
    keyedReplace(lines, newer, kRaceFileRule);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(raceKeyText(lines[0]), "2024010606010101");
    EXPECT_EQ(lines[1], newer);
}

TEST(StoredLines, TwoVenuesSortByVenueThenRace) {
    std::vector<std::string> lines;
    for (const char* key : {"2024010608010112", "2024010606010101", "2024010608010101", "2024010606010112"})
        keyedReplace(lines, normalised(raLine(key)), kRaceFileRule);
    std::vector<std::string> keys;
    for (const auto& line : lines) keys.emplace_back(raceKeyText(line));
    EXPECT_EQ(keys, (std::vector<std::string>{"2024010606010101", "2024010606010112", "2024010608010101", "2024010608010112"}));
}

TEST(StoredLines, ABlankFirstLineIsDroppedOnlyWhereTheRuleSaysSo) {
    std::vector<std::string> race{"   "}, payout{"   "};
    keyedReplace(race, normalised(raLine("2024010606010101")), kRaceFileRule);
    keyedReplace(payout, normalised(raLine("2024010606010101")), kPayoutFileRule);
    EXPECT_EQ(race.size(), 1u);
    EXPECT_EQ(payout.size(), 2u);
}

TEST(StoredLines, TheSortFoldsAsciiLettersOnly) {
    std::vector<std::string> lines{"b", "A", "a", "B", "\x83\x61", "\x83\x41"};
    sortStoredLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"A", "a", "b", "B", "\x83\x41", "\x83\x61"}));
}

TEST(StoredLines, UpdatingAFileLoadsReplacesAndSavesIt) {
    test::TempFolder folder;
    const auto file = folder / "2024年01月06日.jvRA";
    updateStoredFile(file, normalised(raLine("2024010606010102")), kRaceFileRule);
    updateStoredFile(file, normalised(raLine("2024010606010101")), kRaceFileRule);
    updateStoredFile(file, normalised(raLine("2024010606010102")), kRaceFileRule);
    const auto records = readRecords(file, RecordKind::RA);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ(raceKeyText((*records)[0]), "2024010606010101");
    EXPECT_TRUE((*records)[1].ends_with("\r\n"));
}

TEST(RecordFile, FindsARaceByVenueAndRaceNumber) {
    test::TempFolder folder;
    const auto file = folder / "x.jvO1";
    saveLines(file, {LineBuilder(RecordKind::O1).raceKey("2024010606010101"), LineBuilder(RecordKind::O1).raceKey("2024010608010111").put(44, "01")});
    const auto found = findRaceRecord(file, RecordKind::O1, "08", "11");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->substr(43, 2), "01");
    EXPECT_EQ(found->size(), size_t(recordLength(RecordKind::O1)));
    EXPECT_FALSE(findRaceRecord(file, RecordKind::O1, "08", "10"));
    EXPECT_FALSE(findRaceRecord(folder / "missing.jvO1", RecordKind::O1, "08", "11"));
}

TEST(RecordFile, AFileOfOtherLineEndsIsAnErrorNamingIt) {
    test::TempFolder folder;
    const auto shifted = folder / "lf.jvRA";
    saveFileWhole(shifted, raLine("2024010606010101") + "\n" + raLine("2024010606010102") + "\n");
    const auto swapped = folder / "swapped.jvTC";
    saveFileWhole(swapped, std::string(43, 'x') + "\n\r"); // the right size, but not CR LF
    for (const auto& [file, kind] : {std::pair{shifted, RecordKind::RA}, std::pair{swapped, RecordKind::TC}}) {
        try {
            readRecords(file, kind);
            FAIL() << "expected an error for " << file;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(file.filename().string()), std::string::npos) << e.what();
        }
    }
}

TEST(ChangeFiles, AChangeReplacesItsRaceOrGoesInAtItsPlace) {
    test::TempFolder folder;
    const auto file = folder / "2024年01月06日.TC";
    const auto tc = [](std::string_view key, std::string_view time) {
        return LineBuilder(RecordKind::TC).put(3, "120240106").raceKey(key).put(36, time).line();
    };
    storeChangeLine(file, tc("2024010606010111", "1540"));
    storeChangeLine(file, tc("2024010606010103", "1105"));
    storeChangeLine(file, tc("2024010606010111", "1545"));
    EXPECT_EQ(loadLines(file), (std::vector<std::string>{tc("2024010606010103", "1105"), tc("2024010606010111", "1545")}));
}

TEST(ChangeFiles, TheAppliedTimeIsTheFourthOfExactlyFiveLines) {
    test::TempFolder folder;
    EXPECT_FALSE(appliedChangeTime(folder / "none.NEW"));
    saveLines(folder / "a.NEW", {"1", "2", "3", "01061030", "5"});
    EXPECT_EQ(appliedChangeTime(folder / "a.NEW"), "01061030");
    saveLines(folder / "b.NEW", {"1", "2", "3", "01061030"});
    EXPECT_FALSE(appliedChangeTime(folder / "b.NEW"));
}

TEST(ChangeFiles, APostTimeChangeRewritesTheRaceOfThatVenueOnly) {
    std::vector<std::string> lines{raLine("2024010606010111"), raLine("2024010608010111"), raLine("2024010606010112")};
    for (auto& line : lines) line.replace(873, 4, "1525");
    EXPECT_EQ(rewritePostTime(lines, "08", "11", "1540"), (std::vector<int>{1}));
    EXPECT_EQ(lines[1].substr(873, 4), "1540");
    EXPECT_EQ(lines[0].substr(873, 4), "1525");
    EXPECT_EQ(lines[2].substr(873, 4), "1525");
}

} // namespace
} // namespace zefa
