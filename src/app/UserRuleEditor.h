#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zefa {

class UserPort;
struct RuleGridRow;

// The partner counts of one mode, in the editor's order 上, 前, 後, 人: from the top of the
// development ranking, just ahead of the axis, just behind it, by win-odds rank.
using Counts = std::array<int, 4>;
inline constexpr size_t kByOdds = 3; // 人, filled in from the others

// What the rule editor's controls hold. A list position of nullopt: nothing chosen.
struct RuleInput {
    std::optional<int> venue;    // 0 … 9, kRuleVenues
    std::optional<int> course;   // kCourseCategories
    std::optional<int> position; // kPositionPatterns
    std::optional<int> fJiku;    // kFJikuPatterns
    Counts evaluation{0, 0, 0, 5};
    Counts place{0, 0, 0, 5};
    std::string comment; // UTF-8

    bool operator==(const RuleInput&) const = default;
};

// Partners of each mode: evaluation 人 fills up to 5, place 人 up to 6 with the letters of the
// place-axis pattern; never below 0.
inline constexpr int kEvaluationPartners = 5;
inline constexpr int kPlacePartners = 6;
inline constexpr size_t kRuleCommentBytes = 120;

// An evaluation 上, 前 or 後 changed: evaluation 人 follows.
void evaluationCountChanged(RuleInput& input);
// The place-axis pattern changed: place 人 follows.
void fJikuChanged(RuleInput& input);
// A place 上, 前 or 後 changed: place 人 follows; without a place-axis pattern the user is asked
// to choose one instead.
void placeCountChanged(RuleInput& input, UserPort& port);

// The CP932 line of a complete input (counts 0 … 9): codes, the eight counts and the comment cut to 120 bytes
// (never inside a double-byte character) and padded with blanks to 120 bytes.
std::string ruleLine(const RuleInput& input);

// The input shown for a grid row: lists chosen by their texts, the counts, the comment trimmed.
RuleInput ruleInputOfRow(const RuleGridRow& row);

// "記録": checks the input in order, stopping at the first fault with a beep and its message;
// then writes its line (asking before it replaces a rule of the same key), sorts the table and
// saves it to `ruleFile`. The table changes only once the file is saved. The table position of the
// written line, or nullopt when nothing was written.
std::optional<int> recordUserRule(std::vector<std::string>& rules, const RuleInput& input,
                                  const std::filesystem::path& ruleFile, UserPort& port);

// "削除" of a pressed grid row: after the user agrees, removes the first line with the row's key
// and saves the table. False when nothing was deleted.
bool deleteUserRule(std::vector<std::string>& rules, const RuleGridRow& row, const std::filesystem::path& ruleFile,
                    UserPort& port);

} // namespace zefa
