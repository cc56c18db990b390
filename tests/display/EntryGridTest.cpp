#include "display/EntryGrid.h"
#include "display/DisplayColours.h"
#include "display/RaceFixture.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::PastRunRecords;
using test::RaceFixture;

const EntryText* textOnLine(const EntryCell& cell, int line, int x = 0) {
    for (const EntryText& text : cell.texts)
        if (text.line == line && text.x == x && text.placement == Placement::Left) return &text;
    return nullptr;
}

bool allGrey(const EntryCell& cell) {
    return std::all_of(cell.texts.begin(), cell.texts.end(), [](const EntryText& t) { return t.colour == colour::kGreyText; });
}

const EntryCell& pastRunCell(const EntryGrid& grid, int h, int k) {
    return grid.rows[size_t(h - 1)].cells[size_t(kEntryFirstPastRunColumn + k - 1)];
}

class EntryGridTest : public ::testing::Test {
protected:
    EntryGridTest() {
        race.runner(1).put(79, "1").put(81, "03").put(83, "04").put(77, "03").put(289, "570");
        race.runner(1).put(307, toCp932("武豊　　")).put(91, toCp932("藤沢　　")).put(297, "01234").put(86, "05678");
        race.runner(1).put(31, "2020101234");
        PastRunRecords turf("2023121005050811", "11", "1600");
        turf.run.put(307, toCp932("武豊　　")).put(289, "560").put(364, "04").put(325, "480");
        turf.run.put(366, "00005400").put(374, "00000100").put(404, toCp932("カチウマ")).put(532, "+003");
        turf.race.put(888, "1").put(889, "2").put(635, "999").put(605, toCp932("有馬記"));
        race.pastRun(1, 1, turf);
        race.pastRun(1, 2, PastRunRecords("2023110409050711", "24", "1800"));
        race.pastRun(1, 3, PastRunRecords("2023100144050711", "24", "1600")); // 大井, a local track
    }
    EntryGrid grid(EntryFilters filters = {}) { return entryGrid(race.slot(), race.analysis, filters); }

    RaceFixture race;
};

TEST_F(EntryGridTest, OneRowPerRegisteredRunnerWithNumberCells) {
    race.analysis.TrackedFlag[3] = 1;
    const EntryGrid g = grid();
    ASSERT_EQ(g.rows.size(), 8u); // with the header row, 9 grid rows
    EXPECT_EQ(g.rows[2].cells[1].background, colour::kRed); // tracked
    EXPECT_EQ(g.rows[1].cells[1].background, colour::kInfoTip);
    const EntryText& bracket = g.rows[7].cells[0].texts.at(0);
    EXPECT_EQ(bracket.text, " 8");
    EXPECT_TRUE(bracket.bold);
    EXPECT_EQ(bracket.pointSize, 13);
    EXPECT_EQ(bracket.colour, colour::kWhite);
    EXPECT_EQ(g.rows[0].cells[0].texts.at(0).colour, colour::kBlack); // bracket 1
    EXPECT_EQ(g.rows[7].cells[0].background, (Rgb{255, 0, 255}));
}

TEST_F(EntryGridTest, TheNameCell) {
    const EntryGrid g = grid();
    const EntryCell& name = g.rows[0].cells[kEntryNameColumn];
    ASSERT_EQ(name.texts.size(), 3u);
    EXPECT_EQ(name.texts[0].text, "牡4 鹿毛");
    EXPECT_EQ(name.texts[0].placement, Placement::FromRight);
    EXPECT_EQ(name.texts[0].x, 80);
    EXPECT_EQ(name.texts[1].text.substr(0, 13), "(父)ウマ01");
    EXPECT_TRUE(name.texts[1].bold);
    EXPECT_EQ(name.texts[2].text, "武豊　　57.0kg藤沢　　");
}

TEST_F(EntryGridTest, ThePastRunCellLines) {
    const EntryGrid g = grid();
    const EntryCell& cell = pastRunCell(g, 1, 1);
    EXPECT_TRUE(cell.separator);
    EXPECT_EQ(textOnLine(cell, 1)->text, " 5東京12.10 有馬記");
    EXPECT_EQ(textOnLine(cell, 2)->text, "16ﾄ1600芝左晴稍重");
    EXPECT_EQ(textOnLine(cell, 3)->text, "武豊　　56.0③ 4人");
    EXPECT_EQ(textOnLine(cell, 4)->text, "1345");
    const int cornerX[] = {25, 37, 49, 61};
    const char* corners[] = {"①", "②", "④", "⑤"};
    const Rgb cornerColours[] = {colour::kRed, colour::kBlue, colour::kBlue, colour::kBlue};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(textOnLine(cell, 4, cornerX[i])) << i;
        EXPECT_EQ(textOnLine(cell, 4, cornerX[i])->text, corners[i]);
        EXPECT_EQ(textOnLine(cell, 4, cornerX[i])->colour, cornerColours[i]);
    }
    EXPECT_EQ(textOnLine(cell, 4, 73)->text, "360 345    ");
    EXPECT_EQ(textOnLine(cell, 5)->text, "480kg     550千円");
    EXPECT_EQ(textOnLine(cell, 6)->text.substr(0, 12), "カチウマ");
    EXPECT_EQ(textOnLine(cell, 6)->text.substr(textOnLine(cell, 6)->text.size() - 5), "+ 0.3");
    const auto finish = std::find_if(cell.texts.begin(), cell.texts.end(), [](auto& t) { return t.placement == Placement::RightEdge; });
    ASSERT_NE(finish, cell.texts.end());
    EXPECT_EQ(finish->text, " 2");
    EXPECT_EQ(finish->colour, colour::kBlue);
    EXPECT_FALSE(allGrey(cell));
}

TEST_F(EntryGridTest, ARunnerWithoutPastRunsHasEmptyCells) {
    const EntryGrid g = grid();
    for (int k = 1; k <= 5; ++k) EXPECT_TRUE(pastRunCell(g, 2, k).texts.empty()) << k;
    EXPECT_TRUE(pastRunCell(g, 1, 4).texts.empty());
}

TEST_F(EntryGridTest, FiltersGreyTheRunsThatDoNotFit) {
    struct Case {
        EntryFilters filters;
        bool greyed[3]; // past runs 1 (turf 1600), 2 (dirt 1800), 3 (local dirt 1600)
    };
    const Case cases[] = {
        {{SurfaceFilter::All, DistanceFilter::Any}, {false, false, true}},
        {{SurfaceFilter::Dirt, DistanceFilter::Any}, {true, false, true}},
        {{SurfaceFilter::Turf, DistanceFilter::Any}, {false, true, true}},
        {{SurfaceFilter::All, DistanceFilter::Same}, {false, true, true}},
        {{SurfaceFilter::All, DistanceFilter::Within400}, {false, false, true}},
    };
    for (const Case& c : cases) {
        const EntryGrid g = grid(c.filters);
        for (int k = 1; k <= 3; ++k) {
            const EntryCell& cell = pastRunCell(g, 1, k);
            EXPECT_FALSE(cell.texts.empty());
            EXPECT_EQ(allGrey(cell), c.greyed[k - 1]) << int(c.filters.surface) << int(c.filters.distance) << k;
        }
    }
    // Greyed, the numbers stay.
    const EntryGrid dirt = grid({SurfaceFilter::Dirt});
    EXPECT_EQ(textOnLine(pastRunCell(dirt, 1, 1), 4)->text, "1345");
}

TEST_F(EntryGridTest, AMissingPastRaceRecordHasNoCorners) {
    PastRunRecords run("2023121005050811", "11", "1600");
    run.race = test::LineBuilder(RecordKind::RA);
    race.pastRun(1, 1, run);
    const EntryGrid g = grid();
    const EntryCell& cell = pastRunCell(g, 1, 1);
    EXPECT_FALSE(textOnLine(cell, 4, 25));
    EXPECT_TRUE(textOnLine(cell, 4));
}

TEST_F(EntryGridTest, ThePopupOfARow) {
    const RunnerPopup popup = grid().rows[0].popup;
    EXPECT_EQ(popup.R1, "追跡馬に登録:ウマ01");
    EXPECT_EQ(popup.UmaMenu, "馬情報:ウマ01");
    EXPECT_EQ(popup.KishuMenu, "騎手情報:武豊");
    EXPECT_EQ(popup.ChokMenu, "調教師情報:藤沢");
    EXPECT_EQ(popup.jockeyCode, "01234");
    EXPECT_EQ(popup.trainerCode, "05678");
    EXPECT_EQ(popup.horseId, "2020101234");
    EXPECT_EQ(popup.horseSlot, 0);
}

} // namespace
} // namespace zefa
