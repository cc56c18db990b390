#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zefa {

// Texts of a race's class and conditions. Outputs are CP932.

// The condition codes (3) of 2-year-olds, 3-year-olds, 4-year-olds and 5-year-olds and up, in this order.
using AgeConditions = std::array<std::string_view, 4>;

// Class text of a condition code (numeric, 3): 5 "1勝ｸﾗｽ", 100 "1億下", 701 "新馬", 999 "オープン"; empty otherwise.
std::string classText(std::string_view condition);

// The race's conditions from its race type (numeric, 2) and age conditions: age prefix and class text,
// "4歳上オープン"; for races of several ages whose youngest age has a class of 1..100 the older ages
// follow, joined by two blanks ("3歳上1勝ｸﾗｽ  3歳上1勝ｸﾗｽ  3歳上1勝ｸﾗｽ"). Empty for other race types.
std::string conditionLabel(std::string_view raceType, const AgeConditions& conditions);

// The conditions as the verification file writes them, from the race type and one condition code:
// "障4歳上ｵｰﾌﾟﾝ", "3歳10000".
std::string csvConditionLabel(std::string_view raceType, std::string_view condition);

// The class shown with a race: by grade code (1) "GⅠ" + short name …, else by condition code (3)
// "新馬", "1勝ｸﾗｽ", " 500下" …; a race of no class shows its short name, or 重賞 / 特別 by grade, or a blank.
std::string raceClassLabel(std::string_view condition, std::string_view grade, std::string_view shortName);

} // namespace zefa
