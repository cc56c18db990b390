#pragma once

#include "jvdata/BetType.h"
#include "jvdata/Rgb.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// What a column of a bet grid holds. Every cell is a fixed-width text; numbers are right-aligned
// with leading blanks, so comparing texts of one column compares the numbers.
enum class BetColumn {
    Strike,            // "消" when the user struck the row out, else empty
    Number,            // row number, given at generation; travels with the row when sorted
    Combination,       // ComboText
    Odds,
    Popularity,
    PopularityPattern, // the win popularity of each horse of the combination, " 3- 7"
    Stake,             // yen
    Payout,            // stake × odds, if this row hits
    PayoutRatio,       // that payout as a percentage of the list's total stake
    Appearance,        // no step fills these
    ResultPayout,      // yen per 100 yen of the hit
    ResultReturn,      // yen this row returned
    ResultPopularity,  // popularity of the hit combination
};

struct BetColumnRow {
    BetColumn role;
    std::string_view header; // UTF-8
    int width;               // pixels; kHiddenColumn when the grid hides it
};

inline constexpr int kHiddenColumn = 0;
inline constexpr size_t kMaxBetColumns = 15;

// Column layouts: win and place 12 columns, the four pair types 14, trio and trifecta 15. The families
// share their roles and headers; widths differ between bracket quinella and the other pairs and
// between trio and trifecta.
inline constexpr std::array<BetColumnRow, 12> kSingleColumns{{
    {BetColumn::Strike, "消", 20},         {BetColumn::Number, "No.", 20},
    {BetColumn::Combination, "買い目", 50}, {BetColumn::Odds, "オッズ", 50},
    {BetColumn::Popularity, "人気", 30},    {BetColumn::Stake, "購入額", 60},
    {BetColumn::Payout, "回収額", 60},      {BetColumn::PayoutRatio, "回収率", 60},
    {BetColumn::Appearance, "出現率", kHiddenColumn},
    {BetColumn::ResultPayout, "結果配当", 60}, {BetColumn::ResultReturn, "結果回収", 60},
    {BetColumn::ResultPopularity, "結果人気", 60},
}};

inline constexpr std::array<BetColumnRow, 14> kBracketPairColumns{{
    {BetColumn::Strike, "消", 20},         {BetColumn::Number, "No.", 30},
    {BetColumn::Combination, "買い目", 60}, {BetColumn::Odds, "オッズ", 50},
    {BetColumn::Popularity, "人気", 30},    {BetColumn::PopularityPattern, "連人気", kHiddenColumn},
    {BetColumn::Stake, "購入額", 60},       {BetColumn::Payout, "回収額", 60},
    {BetColumn::PayoutRatio, "回収率", 60}, {BetColumn::Appearance, "出現率1", kHiddenColumn},
    {BetColumn::Appearance, "出現率2", kHiddenColumn},
    {BetColumn::ResultPayout, "結果配当", 60}, {BetColumn::ResultReturn, "結果回収", 60},
    {BetColumn::ResultPopularity, "結果人気", 60},
}};

inline constexpr std::array<BetColumnRow, 14> kHorsePairColumns{{
    {BetColumn::Strike, "消", 20},         {BetColumn::Number, "No.", 30},
    {BetColumn::Combination, "買い目", 60}, {BetColumn::Odds, "オッズ", 60},
    {BetColumn::Popularity, "人気", 30},    {BetColumn::PopularityPattern, "連人気", kHiddenColumn},
    {BetColumn::Stake, "購入額", 60},       {BetColumn::Payout, "回収額", 60},
    {BetColumn::PayoutRatio, "回収率", 60}, {BetColumn::Appearance, "出現率1", kHiddenColumn},
    {BetColumn::Appearance, "出現率2", kHiddenColumn},
    {BetColumn::ResultPayout, "結果配当", 60}, {BetColumn::ResultReturn, "結果回収", 60},
    {BetColumn::ResultPopularity, "結果人気", 60},
}};

inline constexpr std::array<BetColumnRow, 15> kTrioColumns{{
    {BetColumn::Strike, "消", 20},         {BetColumn::Number, "No.", 30},
    {BetColumn::Combination, "買い目", 60}, {BetColumn::Odds, "オッズ", 60},
    {BetColumn::Popularity, "人気", 30},    {BetColumn::PopularityPattern, "連人気", kHiddenColumn},
    {BetColumn::Stake, "購入額", 60},       {BetColumn::Payout, "回収額", 60},
    {BetColumn::PayoutRatio, "回収率", 60}, {BetColumn::Appearance, "出現率1", kHiddenColumn},
    {BetColumn::Appearance, "出現率2", kHiddenColumn}, {BetColumn::Appearance, "出現率3", kHiddenColumn},
    {BetColumn::ResultPayout, "結果配当", 60}, {BetColumn::ResultReturn, "結果回収", 60},
    {BetColumn::ResultPopularity, "結果人気", 60},
}};

inline constexpr std::array<BetColumnRow, 15> kTrifectaColumns{{
    {BetColumn::Strike, "消", 20},         {BetColumn::Number, "No.", 30},
    {BetColumn::Combination, "買い目", 60}, {BetColumn::Odds, "オッズ", 60},
    {BetColumn::Popularity, "人気", 30},    {BetColumn::PopularityPattern, "連人気", kHiddenColumn},
    {BetColumn::Stake, "購入額", 60},       {BetColumn::Payout, "回収額", 70},
    {BetColumn::PayoutRatio, "回収率", 70}, {BetColumn::Appearance, "出現率1", kHiddenColumn},
    {BetColumn::Appearance, "出現率2", kHiddenColumn}, {BetColumn::Appearance, "出現率3", kHiddenColumn},
    {BetColumn::ResultPayout, "結果配当", 60}, {BetColumn::ResultReturn, "結果回収", 60},
    {BetColumn::ResultPopularity, "結果人気", 60},
}};

// The columns of a bet type's grid, in column order.
std::span<const BetColumnRow> betColumns(BetType type);

// The index of the first column with the role; -1 when the grid has none (win and place have no
// PopularityPattern).
int betColumn(BetType type, BetColumn role);

// The five summary labels of a bet type, in this order on the bet page.
enum class SummaryLabel { Count, Stake, ExpectedReturn, Returned, Level }; // 点数 投票金額 予想回収率 回収金額 勝負期待度
inline constexpr size_t kSummaryLabels = 5;

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

struct BetLabel {
    std::string text; // UTF-8
    Rgb colour = kBlack; // font colour
};

// "%*.*f": numbers with decimals as the cells write them.
std::string decimalText(double value, int width, int decimals);
// True when the cell holds nothing but blanks.
bool blankCell(std::string_view text);
// The number a cell holds; 0 for a blank cell or one that does not start with a number.
double cellValue(std::string_view text);

// One grid row: its cells by column, UTF-8 (all but "消" and the headers are ASCII).
using BetRow = std::vector<std::string>;

inline constexpr std::string_view kStrikeMark = "消";

// The bet list of one bet type, held as its grid: row 0 is the header, rows 1.. the bets. A list
// without bets still has one empty data row, as its grid always has at least two rows.
struct BetList {
    BetType type = BetType::Win;
    std::vector<BetRow> rows;
    std::array<BetLabel, kSummaryLabels> labels;
    std::array<bool, kMaxBetColumns> sortDescending{}; // per column; true: the next sort is descending
    int lastSortColumn = 0;

    BetLabel& label(SummaryLabel which) { return labels[size_t(which)]; }
    const BetLabel& label(SummaryLabel which) const { return labels[size_t(which)]; }
    std::string& cell(int row, BetColumn role) { return rows[size_t(row)][size_t(betColumn(type, role))]; }
    const std::string& cell(int row, BetColumn role) const {
        return rows[size_t(row)][size_t(betColumn(type, role))];
    }
    int columnCount() const { return int(betColumns(type).size()); }
    int dataRows() const { return int(rows.size()) - 1; }
    bool struck(int row) const { return cell(row, BetColumn::Strike) == kStrikeMark; }
    // A bet that takes part in distribution and evaluation: numbered, not struck, with an odds text.
    bool eligible(int row) const;
    double odds(int row) const { return cellValue(cell(row, BetColumn::Odds)); }
    // An eligible bet with odds above 0: the bets that are counted and weighed.
    bool counted(int row) const { return eligible(row) && odds(row) > 0; }
    int stake(int row) const { return int(cellValue(cell(row, BetColumn::Stake))); }
};

// An empty list of the type: the header row, one empty data row, blank labels, no sort state.
BetList emptyBetList(BetType type);

// Drawing of the bet grids.
inline constexpr std::string_view kBetGridFont = "ＭＳ ゴシック"; // bold, 12 pixels high
inline constexpr int kBetGridFontPixels = 12;
inline constexpr int kBetGridRowHeight = 15;
inline constexpr int kBetGridTextTop = 2; // pixels between the cell top and its centred text
inline constexpr Rgb kBetGridBackground = windowsColour(12632256);     // silver
inline constexpr Rgb kBetHeaderBackground = windowsColour(9605833);
inline constexpr Rgb kBetNumberBackground = windowsColour(12713921);   // a light green, column "No."
inline constexpr Rgb kBetPaidBackground = windowsColour(16711935);     // magenta, a paid combination
inline constexpr Rgb kBetCellBackground = windowsColour(16777215);     // white
inline constexpr Rgb kSummaryLabelBackground = windowsColour(15793151);       // cream
inline constexpr Rgb kSummaryLabelActiveBackground = windowsColour(8060059);  // the tab on show

// The background of a cell; `paid` tells whether the row's combination is among the race's paid
// combinations of the bet type (isPaidCombination, BetHits.h).
Rgb betCellBackground(BetType type, int row, int column, bool paid);

} // namespace zefa
