#include "app/UserRuleEditor.h"

#include "app/UserPort.h"
#include "bets/UserRuleGrid.h"
#include "bets/UserRules.h"
#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "jvdata/FullWidthText.h"
#include "jvdata/NumberFormat.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"

#include <algorithm>
#include <numeric>

namespace zefa {
namespace {

constexpr std::string_view kChooseFJiku = "複勝軸を選択してください。";

int sumBeforeByOdds(const Counts& counts) { return std::accumulate(counts.begin(), counts.begin() + kByOdds, 0); }
int sum(const Counts& counts) { return std::accumulate(counts.begin(), counts.end(), 0); }

int fJikuLetters(const RuleInput& input) { return input.fJiku ? int(kFJikuPatterns[size_t(*input.fJiku)].size()) : 0; }

bool fJikuOutsidePosition(const RuleInput& input) {
    return kPositionPatterns[size_t(*input.position)].find(kFJikuPatterns[size_t(*input.fJiku)]) == std::string_view::npos;
}

// The checks of "記録", in the order they are made; each assumes the ones before it passed.
struct InputCheck {
    bool (*fails)(const RuleInput&);
    std::string_view message;
};

constexpr std::array kInputChecks{
    InputCheck{[](const RuleInput& in) { return !in.venue; }, "競馬場を選択してください。"},
    InputCheck{[](const RuleInput& in) { return !in.course; }, "コースを選択してください。"},
    InputCheck{[](const RuleInput& in) { return !in.position; }, "位置を選択してください。"},
    InputCheck{[](const RuleInput& in) { return !in.fJiku; }, kChooseFJiku},
    InputCheck{fJikuOutsidePosition, "複勝軸は位置で指定されている文字の範囲でなければなりません。"},
    InputCheck{[](const RuleInput& in) { return sum(in.evaluation) > kEvaluationPartners; }, "評価馬数値の入力が不正です。"},
    InputCheck{[](const RuleInput& in) { return fJikuLetters(in) + sum(in.place) > kPlacePartners; }, "複勝馬数値の入力が不正です。"},
};

std::string code(std::optional<int> index) { return rightAligned(*index + 1, 2); }

int countOfCell(const std::string& cell) { return int(fieldNumber(cell)); }

// "[No.  4 東京芝1600m以下aa]": the row as the deletion names it.
std::string rowTitle(const RuleGridRow& row) {
    const auto& cells = row.cells;
    return "[No." + cells[ruleColumn::Number] + " " + cells[ruleColumn::Venue] + cells[ruleColumn::Course] +
           cells[ruleColumn::Position] + "]";
}

} // namespace

void evaluationCountChanged(RuleInput& input) {
    input.evaluation[kByOdds] = std::max(0, kEvaluationPartners - sumBeforeByOdds(input.evaluation));
}

void fJikuChanged(RuleInput& input) {
    input.place[kByOdds] = std::max(0, kPlacePartners - fJikuLetters(input) - sumBeforeByOdds(input.place));
}

void placeCountChanged(RuleInput& input, UserPort& port) {
    if (!input.fJiku) {
        port.beep();
        port.information(kChooseFJiku);
        return;
    }
    fJikuChanged(input);
}

std::string ruleLine(const RuleInput& input) {
    std::string line = ruleVenueCode(*input.venue) + code(input.course) + code(input.position) + code(input.fJiku);
    for (const Counts* counts : {&input.evaluation, &input.place})
        for (const int count : *counts) line += std::to_string(count);
    std::string comment(cp932Prefix(toCp932(input.comment), kRuleCommentBytes));
    comment.resize(kRuleCommentBytes, ' ');
    return line + comment;
}

RuleInput ruleInputOfRow(const RuleGridRow& row) {
    const auto& cells = row.cells;
    RuleInput input;
    input.venue = ruleVenueIndex(cells[ruleColumn::Venue]);
    input.course = listIndex(kCourseCategories, cells[ruleColumn::Course]);
    input.position = listIndex(kPositionPatterns, cells[ruleColumn::Position]);
    input.fJiku = listIndex(kFJikuPatterns, cells[ruleColumn::FJiku]);
    for (size_t i = 0; i < rule::kCountsPerMode; ++i) {
        input.evaluation[i] = countOfCell(cells[ruleColumn::Evaluation + i]);
        input.place[i] = countOfCell(cells[ruleColumn::Place + i]);
    }
    input.comment = std::string(trimmed(cells[ruleColumn::Comment]));
    return input;
}

std::optional<int> recordUserRule(std::vector<std::string>& rules, const RuleInput& input,
                                  const std::filesystem::path& ruleFile, UserPort& port) {
    for (const auto& check : kInputChecks) {
        if (!check.fails(input)) continue;
        port.beep();
        port.information(check.message);
        return std::nullopt;
    }
    const std::string line = ruleLine(input);
    const std::string key(fieldOf(line, rule::Key));
    const std::string name = ruleDisplayName(key);

    std::vector<std::string> table = rules;
    const auto same = firstRuleWithKey(table, key);
    bool written = true;
    if (same == table.end())
        table.push_back(line);
    else if (port.confirm("[" + name + "]の設定はすでに存在しています。上書きしますか？"))
        *same = line;
    else
        written = false;
    sortStoredLines(table);
    if (!written) {
        rules = std::move(table);
        return std::nullopt;
    }
    const int position = int(std::find(table.begin(), table.end(), line) - table.begin());
    saveLines(ruleFile, table);
    rules = std::move(table);
    port.information("No." + std::to_string(position + 1) + "に[" + name + "]を書き込みました。");
    return position;
}

bool deleteUserRule(std::vector<std::string>& rules, const RuleGridRow& row, const std::filesystem::path& ruleFile,
                    UserPort& port) {
    const std::string title = rowTitle(row);
    if (!port.confirm(title + "の設定を削除しますか？")) return false;
    std::vector<std::string> table = rules;
    const auto line = firstRuleWithKey(table, row.key);
    if (line == table.end()) throw Error(title + "の設定が見つかりません。");
    table.erase(line);
    saveLines(ruleFile, table);
    rules = std::move(table);
    port.information(title + "の設定を削除しました。");
    return true;
}

} // namespace zefa
