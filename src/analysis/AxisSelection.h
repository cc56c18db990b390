#pragma once

#include "analysis/RaceAnalysis.h"

#include <string_view>

namespace zefa {

// The selection modes of the menu "買い目選択", in the order of the setting KaimeMode/Selected.
enum class KaimeMode {
    HyokaMode, // "評価馬優先モード": axis from the evaluation horses
    FukniMode, // "複勝朝人気馬優先モード": axis from the two morning place favourites
    UserModeH, // "ユーザー設定モード(評価馬優先)": evaluation horses first, partners by the user rule
    UserModeF, // "ユーザー設定モード(複勝馬優先)": place favourites first, partners by the user rule
};

// What the menu and the options say about the axis and partner choice.
struct AxisOptions {
    KaimeMode mode = KaimeMode::HyokaMode;
    bool ifnothyokaba = true; // without evaluation horses, take the axis from the place favourites
    int jikuChange = 0;       // 1..8 moves the axis to a horse marked AAA, AA, AB, AC, AD, A, XAA, X
    int multiHyokaJiku = 0;   // among several such horses: 0 the better developed, 1 the worse
    // Fixing items: the first checked of each group decides the axis, or the partners.
    bool jikuX = false, jikuAAA = false, jikuAA = false, jikuF1 = false;
    bool tenkaiJoi5 = false, ninkiJoi5 = false;
};

// The values of a user bet rule from its ten characters: FJiku in the first two, then Hup, Hb4,
// Hrr, Hnn, Fup, Fb4, Frr, Fnn one each. A value that is not a number, or missing, is 0.
RuleValues ruleValuesOf(std::string_view ruleText);

// Chooses the axis and partner horses of a race afresh (JikuFlag, HimoFlag) and records the rule
// values of `ruleText`, the characters 7..16 of the user bet rule that fits the race.
// `raceRecord` is the race's RA record; its field size bounds the horses looked at. Eliminated
// horses are never chosen.
void selectAxisAndPartners(std::string_view raceRecord, std::string_view ruleText, const AxisOptions& options,
                           RaceAnalysis& analysis);

} // namespace zefa
