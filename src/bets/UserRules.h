#pragma once

#include "jvdata/RecordView.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// A user bet rule is one CP932 line of the rule table: a six-character key (venue, course
// category, position pattern), the place-axis pattern, eight partner counts and a comment.
namespace rule {
inline constexpr Field Key{1, 6};
inline constexpr Field Venue{1, 2};    // 競馬場コード "01" … "10"
inline constexpr Field Course{3, 2};   // course category " 1" … "13"
inline constexpr Field Pattern{5, 2};  // position pattern " 1" … " 9"
inline constexpr Field Values{7, 10};  // what a race takes from its rule
inline constexpr Field FJiku{7, 2};    // place-axis pattern " 1" … "12"
inline constexpr Field Counts{9, 8};   // Hup Hb4 Hrr Hnn, then Fup Fb4 Frr Fnn, one digit each
inline constexpr Field Comment{17, 120};
inline constexpr size_t kCountsPerMode = 4; // evaluation-horse mode first, then place-horse mode
} // namespace rule

// The values of a race that no rule fits: no place-axis pattern, five partners by win-odds rank.
inline constexpr std::string_view kDefaultRuleValues = "  00050005";

// The editor's lists, in list order; a code is the list position + 1. Texts are UTF-8.
inline constexpr int kRuleVenues = 10; // venue codes "01" … "10"
inline constexpr std::array<std::string_view, 13> kCourseCategories{
    "芝1200m以下", "芝1400m以下", "芝1600m以下", "芝1800m以下", "芝2000m以下", "芝2001m以上", "ダ1200m以下",
    "ダ1400m以下", "ダ1600m以下", "ダ1800m以下", "ダ2000m以下", "ダ2001m以上", "障害全距離"};
inline constexpr std::array<std::string_view, 9> kPositionPatterns{"aa", "ab", "ac", "ba", "bb", "bc", "ca", "cb", "cc"};
inline constexpr std::array<std::string_view, 12> kFJikuPatterns{"a",  "b",  "c",  "aa", "ab", "ac",
                                                                 "ba", "bb", "bc", "ca", "cb", "cc"};

// The venue code of list position 0 … 9 ("01" … "10").
std::string ruleVenueCode(int index);
// The venue name of list position 0 … 9 (UTF-8, "札幌" … "小倉").
std::string ruleVenueName(int index);

// The list position of a code field ("05", " 3", "12"): its number - 1 when it is one of the
// `count` codes; nullopt for anything else.
std::optional<int> ruleCodeIndex(std::string_view field, int count);

// The text of a code field in a list; empty when the code is not listed.
std::string_view ruleCodeText(std::span<const std::string_view> texts, std::string_view field);

// The list position of a text in a list; nullopt when it is not listed.
std::optional<int> listIndex(std::span<const std::string_view> texts, std::string_view text);
std::optional<int> ruleVenueIndex(std::string_view name);

// The rule key of a race from its RA record and its position pattern: venue, course category,
// pattern code. A race outside the categories or with another pattern gets blanks in its key.
std::string userRuleKey(std::string_view raceRecord, std::string_view positionPattern);

// The rule's name as the user reads it (UTF-8): venue, course text, pattern text, as in
// "東京芝1600m以下aa"; codes that are not listed give nothing.
std::string ruleDisplayName(std::string_view key);

// The first line of a table (a vector of lines) whose key is `key`, or the table's end.
template <typename Table>
auto firstRuleWithKey(Table& rules, std::string_view key) {
    return std::find_if(rules.begin(), rules.end(), [&](const std::string& line) { return fieldOf(line, rule::Key) == key; });
}

// Characters 7–16 of the first line whose key is the race's key, or kDefaultRuleValues when none
// fits (a key with a blank part never fits). Always ten characters: a line too short to hold them
// reads as blanks past its end.
std::string findUserRule(const std::vector<std::string>& rules, std::string_view raceRecord, std::string_view positionPattern);

} // namespace zefa
