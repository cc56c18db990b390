#pragma once

#include "analysis/RaceAnalysis.h"
#include "jvdata/Rgb.h"
#include "store/RaceDayStore.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The detailed entry table (出馬表(詳細)): one tall row per runner with its name cell and five
// past-run cells of six lines. Texts are UTF-8.
inline constexpr int kEntryColumns = 11;
inline constexpr int kEntryNameColumn = 2;
inline constexpr int kEntryFirstPastRunColumn = 6; // past run k is in column 5 + k
inline constexpr int kEntryHeaderHeight = 17;
inline constexpr int kEntryRowHeight = 67;
inline constexpr int kEntryLines = 6; // text lines of a row
// Column widths in pixels; 0 is a hidden column (the win-rate and record summaries are not shown).
inline constexpr std::array<int, kEntryColumns> kEntryWidths{25, 25, 220, 0, 0, 0, 140, 140, 140, 140, 140};
inline constexpr std::array<std::string_view, kEntryColumns> kEntryCaptions{
    "枠", "馬", "馬名", "勝率", "実績", "距離別/馬場別", "前走", "前2走", "前3走", "前4走", "前5走"};

// The filter buttons: surface "全表示", "芝", "ﾀﾞｰﾄ" and distance "無指定", "同距離", "+/-400m".
enum class SurfaceFilter { All, Turf, Dirt };
enum class DistanceFilter { Any, Same, Within400 };
inline constexpr std::array<std::string_view, 3> kSurfaceFilterCaptions{"全表示", "芝", "ﾀﾞｰﾄ"};
inline constexpr std::array<std::string_view, 3> kDistanceFilterCaptions{"無指定", "同距離", "+/-400m"};
struct EntryFilters {
    SurfaceFilter surface = SurfaceFilter::All;
    DistanceFilter distance = DistanceFilter::Any;
};

// Where a text of a cell starts.
enum class Placement {
    Centre,    // centred in the cell, both ways
    Left,      // `x` pixels from the left edge
    FromRight, // `x` pixels before the right edge
    RightEdge, // ending at the right edge
};

struct EntryText {
    std::string text;
    int line = 0; // 1..kEntryLines; 0 with Placement::Centre
    Placement placement = Placement::Left;
    int x = 0;
    int pointSize = 8;
    bool bold = false;
    Rgb colour;
};

struct EntryCell {
    Rgb background{255, 255, 255};
    std::vector<EntryText> texts;
    bool separator = false; // a horizontal line along the bottom edge
};

// What the runner pop-up menu offers for a row, and the codes its detail windows look up.
struct RunnerPopup {
    std::string R1, UmaMenu, KishuMenu, ChokMenu; // captions
    std::string jockeyCode, trainerCode, horseId; // raw record fields
    int horseSlot = 0;
};

struct EntryRow {
    std::array<EntryCell, kEntryColumns> cells;
    RunnerPopup popup;
};

struct EntryGrid {
    std::vector<EntryRow> rows; // grid rows 1..n; the header row is kEntryCaptions
};

// The grid of the race in `slot` with the filters down.
EntryGrid entryGrid(const RaceSlotRecords& slot, const RaceAnalysis& analysis, EntryFilters filters);

} // namespace zefa
