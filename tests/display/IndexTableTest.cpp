#include "display/IndexTable.h"
#include "display/DisplayColours.h"
#include "display/RaceFixture.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::PastRunRecords;
using test::RaceFixture;

// The texts of one column, in row order.
std::vector<std::string> column(const IndexTable& table, int c) {
    std::vector<std::string> texts;
    for (const IndexRow& row : table.rows) texts.push_back(row[size_t(c)].text);
    return texts;
}

TEST(IndexTableTest, OneRowPerRegisteredRunner) {
    RaceFixture race(8);
    const IndexTable table = indexTable(race.slot(), race.analysis);
    ASSERT_EQ(table.rows.size(), 8u); // with the header row, 9 grid rows
    EXPECT_EQ(column(table, 1), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8"}));
    EXPECT_EQ(table.rows[7][0].text, " 8");
    EXPECT_EQ(table.rows[7][0].background, (Rgb{255, 0, 255}));
    EXPECT_EQ(table.rows[0][1].background, colour::kInfoTip);
    EXPECT_EQ(table.rows[0][2].text.substr(0, 8), "ウマ01");
    EXPECT_TRUE(table.rows[0][2].alignLeft);
}

TEST(IndexTableTest, ARunnerWithoutRanksOrPastRuns) {
    RaceFixture race;
    const IndexRow row = indexTable(race.slot(), race.analysis).rows[0];
    for (int c = 3; c <= 7; ++c) EXPECT_EQ(row[size_t(c)].text, "") << c;
    EXPECT_EQ(row[8].text, "");
    for (int c : {9, 11, 13, 17, 22, 23}) {
        EXPECT_EQ(row[size_t(c)].text, "　") << c;
        EXPECT_TRUE(row[size_t(c)].bold) << c;
    }
    for (int c : {10, 12, 14, 15, 16, 18, 19}) EXPECT_EQ(row[size_t(c)].text, "") << c;
}

TEST(IndexTableTest, ValuesRanksAndTheirColours) {
    RaceFixture race;
    race.runner(2).put(335, "01").put(364, "03");
    race.pastRun(2, 1, PastRunRecords("2023121005050811", "11", "1600"));
    RaceAnalysis& a = race.analysis;
    a.TenkaiValue[2] = 4.5, a.TenkaiRank[2] = 2, a.TenkaiClass[2] = 1;
    a.AsaTanOdds[2] = 12.3, a.AsaTanNinki[2] = 5, a.AsaFukOdds[2] = 2.1, a.AsaFukNinki[2] = 1, a.AsaRankGap[2] = 4;
    a.HyokaMark[2] = " AA";
    a.TanOdds[2] = 3.4, a.TanNinki[2] = 1, a.JikuFlag[2] = 1, a.KeshiFlag[2] = 1;
    a.RestDays[2][1] = 61, a.RestDays[2][2] = 60;
    const IndexRow row = indexTable(race.slot(), a).rows[1];
    const char* texts[] = {" 2", " 2", nullptr, "④⑤ 2", "", "", "", "", " 4.50", " 2", " 12.3", " 5", "  2.1", " 1",
                           "  4", " AA", "  3.4", " 1", "ν", "", "", "", " 1", " 3"};
    for (int c = 0; c < kIndexColumns; ++c)
        if (texts[c]) {
            EXPECT_EQ(row[size_t(c)].text, texts[c]) << c;
        }
    EXPECT_TRUE(row[3].restLine);
    EXPECT_FALSE(row[4].restLine);
    EXPECT_EQ(row[9].background, colour::kMagenta);
    EXPECT_EQ(row[9].colour, colour::kBlue);
    EXPECT_EQ(row[11].colour, colour::kBlack);
    EXPECT_EQ(row[13].colour, colour::kRed);
    EXPECT_EQ(row[22].background, colour::kLightCyan);
    EXPECT_EQ(row[23].colour, colour::kBlue);
    EXPECT_EQ(row[5].background, colour::kSilver); // eliminated
    EXPECT_EQ(row[17].background, colour::kWhite); // rank columns stay white
}

TEST(IndexTableTest, SortingByDevelopmentPutsUnrankedRunnersLast) {
    RaceFixture race(5);
    const int ranks[] = {0, 0, 3, 0, 1, 2}; // by horse number 1..5
    for (int h = 1; h <= 5; ++h) race.analysis.TenkaiRank[size_t(h)] = ranks[h];
    IndexTable table = indexTable(race.slot(), race.analysis);
    sortIndexTable(table, IndexSort::TenkaiValue);
    EXPECT_EQ(column(table, 1), (std::vector<std::string>{" 4", " 5", " 2", " 1", " 3"}));
    sortIndexTable(table, IndexSort::HorseNumber);
    EXPECT_EQ(column(table, 1), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5"}));
}

TEST(IndexTableTest, SortingByFinishOrdersTiesByHorseNumberAndNumbersByValue) {
    RaceFixture race(12);
    const char* finishes[] = {"", "10", "02", "  ", "02", "01", "11", "03", "04", "05", "06", "07", "08"};
    for (int h = 1; h <= 12; ++h) race.runner(h).put(335, finishes[h]);
    IndexTable table = indexTable(race.slot(), race.analysis);
    sortIndexTable(table, IndexSort::Finish);
    EXPECT_EQ(column(table, 1), (std::vector<std::string>{" 5", " 2", " 4", " 7", " 8", " 9", "10", "11", "12", " 1", " 6",
                                                          " 3"}));
}

TEST(IndexTableTest, CopyTextHasTheHeadingTheCaptionsAndEveryRow) {
    RaceFixture race(2);
    RaceHeader header;
    header.Label1 = "L1", header.Label2 = "L2", header.Label3 = "L3", header.Label4 = "L4";
    const std::string text = indexTableCopyText(header, indexTable(race.slot(), race.analysis));
    const std::string captions = "枠番\t馬番\t馬名\t前走\t前走2\t前走3\t前走4\t前走5\t展開 値\t順位\t単ｵｽﾞ 朝\t順位\t複ｵｽﾞ朝/小\t順位\t"
                                 "単複 差\t判定　\t単ｵｽﾞ最新\t順位\t軸馬 CK\tﾋﾓ馬 CK\t\t\t着順\t人気\r\n";
    ASSERT_EQ(text.substr(0, 16 + captions.size()), "L1\r\nL2\r\nL3\r\nL4\r\n" + captions);
    const std::string firstRow = text.substr(16 + captions.size());
    EXPECT_EQ(firstRow.substr(0, 6), " 1\t 1\t");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 1 + 2);
    EXPECT_EQ(std::count(firstRow.begin(), firstRow.end(), '\t'), 2 * (kIndexColumns - 1));
}

} // namespace
} // namespace zefa
