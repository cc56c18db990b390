#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The rule editor's grid: one row per line of the rule table, in table order.

// Colours are Windows colour values (0x00BBGGRR).
struct RuleGridColumn {
    std::string_view header; // UTF-8
    int width;               // pixels
    int colour;
    bool leftAligned;        // otherwise centred
};

inline constexpr int kRuleGridHeaderColour = 12632256;
inline constexpr int kRuleGridTextTop = 2; // pixels between the cell top and its text

inline constexpr std::array<RuleGridColumn, 15> kRuleGridColumns{{
    {"No.", 30, 8060059, false},
    {"場所", 30, 10223615, false},
    {"コース", 80, 10223615, false},
    {"位置", 30, 10223615, false},
    {"", 2, 16378047, false},
    {"上", 20, 16378047, false},
    {"前", 20, 16378047, false},
    {"後", 20, 16378047, false},
    {"人", 20, 16378047, false},
    {"複軸", 30, 16759929, false},
    {"上", 20, 16759929, false},
    {"前", 20, 16759929, false},
    {"後", 20, 16759929, false},
    {"人", 20, 16759929, false},
    {"コメント", 200, 16777215, true},
}};

// Columns of a row's cells.
namespace ruleColumn {
inline constexpr size_t Number = 0;
inline constexpr size_t Venue = 1;
inline constexpr size_t Course = 2;
inline constexpr size_t Position = 3;
inline constexpr size_t Evaluation = 5; // the four evaluation counts from here
inline constexpr size_t FJiku = 9;
inline constexpr size_t Place = 10; // the four place counts from here
inline constexpr size_t Comment = 14;
} // namespace ruleColumn

struct RuleGridRow {
    std::array<std::string, kRuleGridColumns.size()> cells; // UTF-8
    std::string key;                                        // the line's first six characters
};

// Codes that are not listed show as empty cells; a count is its character as stored.
std::vector<RuleGridRow> ruleGridRows(const std::vector<std::string>& rules);

} // namespace zefa
