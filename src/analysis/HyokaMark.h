#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Evaluation marks, three characters right-aligned; other steps compare them whole.
namespace mark {
inline constexpr std::string_view AAA = "AAA";
inline constexpr std::string_view AA = " AA";
inline constexpr std::string_view AB = " AB";
inline constexpr std::string_view AC = " AC";
inline constexpr std::string_view AD = " AD";
inline constexpr std::string_view A = "  A";
inline constexpr std::string_view XAA = "XAA"; // a " AA" horse the morning place market pays at the minimum
inline constexpr std::string_view X = "  X";   // any other horse paid at the minimum
} // namespace mark

// The evaluation mark of a horse from its morning win and place ranks (0: unranked) and its
// morning place odds: a horse the place market rates at least three ranks better than the win
// market is marked by its place rank; place odds of 0.9 to 1.0 override. Empty: no mark.
std::string hyokaMark(int winRank, int placeRank, double placeOdds);

} // namespace zefa
