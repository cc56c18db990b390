#pragma once

#include "jvdata/BetType.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace zefa {

inline constexpr int kMaxComboSize = 3;

// The horse or bracket numbers of one combination, in the order its text writes them.
struct Combination {
    std::array<int, kMaxComboSize> values{}; // places past `size` are 0
    int size = 0;

    std::span<const int> numbers() const { return std::span(values).first(static_cast<size_t>(size)); }
};

// ComboText: every number "%2d", joined by "-": " 3", " 3-12", " 1- 7-15".
std::string comboText(std::span<const int> numbers);

// ComboOrdinal: the 1-based place of the combination in JV-Data's odds order of the bet type, computed
// by formula. 0 when the text is no valid combination of the type: malformed (not written as comboText
// writes it), a number outside 1..18 (1..8 for brackets), a repeated horse, or an unordered pair or
// triple not in ascending order.
int comboOrdinal(BetType type, std::string_view text);

// The combination at an ordinal 1..combinations of the bet type (from a table built once); size 0
// for any other ordinal.
Combination combinationAt(BetType type, int ordinal);

// The bracket (枠番) of a horse number when `runners` horses are registered; 0 unless 1 <= horse <=
// runners <= 18.
int bracketOf(int runners, int horse);

// The ascending ComboText of three horse numbers; empty when two are equal or one is outside 1..18.
std::string sortedTriple(int a, int b, int c);

// The fixed conversions of odds files that list quinella and bracket-quinella odds by ordinal.
inline std::string quinellaComboText(int ordinal) {
    return comboText(combinationAt(BetType::Quinella, ordinal).numbers());
}
inline int quinellaOrdinal(std::string_view text) { return comboOrdinal(BetType::Quinella, text); }
inline int bracketQuinellaOrdinal(std::string_view text) { return comboOrdinal(BetType::BracketQuinella, text); }

} // namespace zefa
