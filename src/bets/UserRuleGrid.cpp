#include "bets/UserRuleGrid.h"

#include "bets/UserRules.h"
#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "jvdata/FullWidthText.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/RecordView.h"

#include <algorithm>

namespace zefa {
namespace {

constexpr int kNumberWidth = 3;

// A loaded rule file is taken as it is, so its bytes may not be CP932: those show as "?".
std::string screenText(std::string_view cp932) {
    try {
        return toUtf8(cp932);
    } catch (const Error&) {
        std::string text(cp932);
        std::replace_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }, '?');
        return text;
    }
}

RuleGridRow gridRow(int number, std::string_view line) {
    RuleGridRow row;
    auto& cells = row.cells;
    cells[ruleColumn::Number] = rightAligned(number, kNumberWidth);
    const auto venue = ruleCodeIndex(fieldOf(line, rule::Venue), kRuleVenues);
    if (venue) cells[ruleColumn::Venue] = ruleVenueName(*venue);
    cells[ruleColumn::Course] = ruleCodeText(kCourseCategories, fieldOf(line, rule::Course));
    cells[ruleColumn::Position] = ruleCodeText(kPositionPatterns, fieldOf(line, rule::Pattern));
    cells[ruleColumn::FJiku] = ruleCodeText(kFJikuPatterns, fieldOf(line, rule::FJiku));
    const std::string_view counts = fieldOf(line, rule::Counts);
    for (size_t i = 0; i < counts.size(); ++i) {
        const size_t column = i < rule::kCountsPerMode ? ruleColumn::Evaluation + i : ruleColumn::Place + i - rule::kCountsPerMode;
        cells[column] = screenText(counts.substr(i, 1));
    }
    cells[ruleColumn::Comment] = screenText(cp932Prefix(fieldOf(line, rule::Comment), size_t(rule::Comment.length)));
    row.key = std::string(fieldOf(line, rule::Key));
    return row;
}

} // namespace

std::vector<RuleGridRow> ruleGridRows(const std::vector<std::string>& rules) {
    std::vector<RuleGridRow> rows;
    rows.reserve(rules.size());
    for (size_t i = 0; i < rules.size(); ++i) rows.push_back(gridRow(int(i + 1), rules[i]));
    return rows;
}

} // namespace zefa
