#pragma once

#include "analysis/RaceAnalysis.h"
#include "display/RaceHeader.h"
#include "jvdata/Rgb.h"
#include "store/RaceDayStore.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The index table (指数表): one row per registered runner with its past-run summaries, development
// value, odds ranks and axis and partner marks. Texts are UTF-8.
inline constexpr int kIndexColumns = 24;
inline constexpr int kIndexNameColumn = 2;
inline constexpr int kIndexHeaderHeight = 28;
inline constexpr int kIndexRowHeight = 15;
// Column widths in pixels; 0 is a hidden column.
inline constexpr std::array<int, kIndexColumns> kIndexWidths{20, 20, 130, 45, 45, 45, 45, 45, 40, 20, 40, 20,
                                                             40, 20, 35, 30, 40, 20, 36, 36, 0,  0,  20, 20};

// The two-line captions of the header row.
struct IndexCaption {
    std::string_view upper, lower;
};
extern const std::array<IndexCaption, kIndexColumns> kIndexCaptions;

struct IndexCell {
    std::string text;
    Rgb background;
    Rgb colour;
    bool bold = false;
    bool alignLeft = false; // the horse name; every other cell is centred
    bool restLine = false;  // a past run after a long rest: a blue line along the left edge
};

using IndexRow = std::array<IndexCell, kIndexColumns>;

struct IndexTable {
    std::vector<IndexRow> rows; // the data rows, grid rows 1..n; the header row is kIndexCaptions
};

// The sort buttons of "並べ替え" and the columns they sort by.
enum class IndexSort { HorseNumber, TenkaiValue, Finish, AsaTanOdds, AsaFukOdds, TanOdds, Popularity };
struct IndexSortRow {
    IndexSort sort;
    std::string_view caption;
    int keyColumn;
    int secondColumn; // orders the rows whose key texts are equal
};
inline constexpr std::array<IndexSortRow, 7> kIndexSorts{{
    {IndexSort::HorseNumber, "馬番", 1, 9},
    {IndexSort::TenkaiValue, "展開値", 9, 1},
    {IndexSort::Finish, "着順", 22, 1},
    {IndexSort::AsaTanOdds, "単ｵｽﾞ朝", 11, 1},
    {IndexSort::AsaFukOdds, "複ｵｽﾞ朝", 13, 1},
    {IndexSort::TanOdds, "単ｵｽﾞ新", 17, 1},
    {IndexSort::Popularity, "確定人気", 23, 1},
}};

// The table of the race in `slot`, in runner order.
IndexTable indexTable(const RaceSlotRecords& slot, const RaceAnalysis& analysis);

// Orders the rows by the key column's text, byte by byte (so that "%2d" numbers sort by value and
// the full-width blank of an unranked runner sorts last), then by the second column's text.
void sortIndexTable(IndexTable& table, IndexSort sort);

// What "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ" puts on the clipboard: Label1 … Label4 on four lines, then every row of
// the table, the header row first, its cells joined by TAB; lines end in CR LF.
std::string indexTableCopyText(const RaceHeader& header, const IndexTable& table);

} // namespace zefa
